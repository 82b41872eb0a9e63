#include "pages/Pages.h"

namespace pages {
namespace {

using kit::Kind;

// Image14 lies over the painted Image15 and, being empty, lets it show through.
const kit::Row rows[] = {
    {.name = "Image15", .kind = Kind::Picture, .geometry = {0, 0, 784, 456}, .alignClient = true},
    {.name = "Image14", .kind = Kind::Picture, .geometry = {0, 0, 784, 456}, .alignClient = true},
};

} // namespace

kit::Controls buildZusPage(QWidget* page) {
    return kit::build(page, rows);
}

} // namespace pages
