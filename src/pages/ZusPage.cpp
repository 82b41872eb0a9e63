#include "pages/Pages.h"

namespace pages {
namespace {

using kit::Align;
using kit::Kind;

// Image14 lies over the painted Image15 and, being empty, lets it show through.
const kit::Row rows[] = {
    {.name = "Image15", .kind = Kind::Picture, .geometry = {0, 0, 784, 456}, .align = Align::Client},
    {.name = "Image14", .kind = Kind::Picture, .geometry = {0, 0, 784, 456}, .align = Align::Client},
};

} // namespace

kit::Controls buildZusPage(QWidget* page) {
    return kit::build(page, rows);
}

} // namespace pages
