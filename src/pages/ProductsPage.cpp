#include "pages/Pages.h"

namespace pages {
namespace {

using kit::Kind;

const kit::Row rows[] = {
    {.name = "Image6", .kind = Kind::Picture, .geometry = {0, 0, 784, 456}, .alignClient = true},
};

} // namespace

kit::Controls buildProductsPage(QWidget* page) {
    return kit::build(page, rows);
}

} // namespace pages
