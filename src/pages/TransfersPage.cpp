#include "pages/Pages.h"

namespace pages {
namespace {

using kit::Align;
using kit::Kind;

const kit::Row rows[] = {
    {.name = "Image7", .kind = Kind::Picture, .geometry = {0, 0, 784, 456}, .align = Align::Client},
};

} // namespace

kit::Controls buildTransfersPage(QWidget* page) {
    return kit::build(page, rows);
}

} // namespace pages
