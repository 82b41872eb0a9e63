#include "pages/Pages.h"

namespace pages {
namespace {

using kit::Align;
using kit::Kind;

const kit::Row rows[] = {
    {.name = "Image4", .kind = Kind::Picture, .geometry = {0, 0, 784, 456}, .align = Align::Client},
};

} // namespace

kit::Controls buildSellersPage(QWidget* page) {
    return kit::build(page, rows);
}

} // namespace pages
