#include "pages/Pages.h"

namespace pages {
namespace {

using kit::Kind;

const kit::Row rows[] = {
    {.name = "Image8", .kind = Kind::Picture, .geometry = {0, 0, 784, 456}, .alignClient = true},
    {.name = "CheckBox4",
     .kind = Kind::CheckBox,
     .geometry = {304, 144, 105, 17},
     .text = u"Odtwarzaj dźwięki",
     .color = 0x103270,
     .fontColor = 0xffffff,
     .tab = 6,
     .checked = true},
};

} // namespace

kit::Controls buildOptionsPage(QWidget* page) {
    return kit::build(page, rows);
}

} // namespace pages
