// The options page: background tile, logo, printout settings, numbering, switches.
#include "pages/Pages.h"
#include "pages/Shared.h"

namespace pages {
namespace {

using kit::Align;
using kit::Kind;
using kit::ShapeKind;

// The invoice numbering formats, exactly as offered (the fifth one twice).
constexpr QStringView numberingFormats[] = {
    uR"(mm\yyyy)",        uR"(mmmm\yyyy)",          uR"(mm\yy)",
    uR"(mmmm\yy)",        uR"(dd\mm\yy)",           uR"(dd\mm\yy)",
    uR"(dd\mmmm\yy)",     uR"(dd\mmmm\yyyy)",       uR"("A"\mm\yy)",
    uR"("Kraków"\mm\yy)", uR"(mmmm\yyyy\"Kraków")", uR"(mm\yy\"A1")",
};

constexpr int ellipse = 0x103270;
constexpr int printForm = 0x0d2673;

// clang-format off
const kit::Row rows[] = {
    {.name = "Image8", .kind = Kind::Picture, .geometry = {0, 0, 784, 456}, .align = Align::Client},
    {.name = "Shape1", .kind = Kind::Shape, .geometry = {-464, -384, 969, 713}, .color = ellipse},
    {.name = "Shape4", .kind = Kind::Shape, .geometry = {10, 168, 183, 75}, .color = black, .shape = ShapeKind::Rectangle},
    {.name = "Shape3", .kind = Kind::Shape, .geometry = {10, 10, 100, 100}, .color = black, .shape = ShapeKind::Rectangle},
    {.name = "ImageBufer", .kind = Kind::Picture, .geometry = {6, 7, 100, 100}, .picture = ":/textures/orange.bmp"},
    {.name = "SpeedButton2", .kind = Kind::SpeedButton, .geometry = {8, 120, 104, 23}, .spoken = u"wczytaj teksturę", .picture = ":/pages/texture-button.bmp", .glyphs = 3},
    {.name = "Image3", .kind = Kind::Picture, .geometry = {9, 169, 180, 70}, .picture = ":/pages/logo.bmp", .stretch = true, .center = true},
    {.name = "SpeedButton9", .kind = Kind::SpeedButton, .geometry = {8, 264, 184, 24}, .spoken = u"wczytaj logo", .picture = ":/pages/logo-button.bmp", .glyphs = 3},
    {.name = "Label55", .kind = Kind::Label, .geometry = {144, 104, 108, 13}, .text = u"Aktualny numer faktury"},
    {.name = "Label53", .kind = Kind::Label, .geometry = {144, 56, 110, 13}, .text = u"Format numeracji faktur"},
    {.name = "Label54", .kind = Kind::Label, .geometry = {144, 8, 141, 13}, .text = u"Dodatkowy tekst na wydruku:"},
    {.name = "Shape12", .kind = Kind::Shape, .geometry = {477, 211, 212, 94}, .color = printForm},
    {.name = "Label71", .kind = Kind::Label, .geometry = {88, 245, 18, 13}, .text = u"180"},
    {.name = "Label72", .kind = Kind::Label, .geometry = {200, 197, 12, 13}, .text = u"70"},
    {.name = "GroupBox2", .kind = Kind::GroupBox, .geometry = {532, 217, 103, 80}, .text = u"Forma wydruku", .color = printForm, .fontColor = white, .tab = 0},
    {.name = "RadioButton5", .kind = Kind::RadioButton, .geometry = {8, 38, 89, 17}, .text = u"oryginał", .parent = "GroupBox2", .color = printForm, .fontColor = white},
    {.name = "RadioButton6", .kind = Kind::RadioButton, .geometry = {8, 20, 89, 17}, .text = uR"(oryginał\kopia)", .parent = "GroupBox2", .color = printForm, .fontColor = white, .checked = true},
    {.name = "RadioButton21", .kind = Kind::RadioButton, .geometry = {8, 56, 57, 17}, .text = u"kopia", .parent = "GroupBox2", .color = printForm, .fontColor = white},
    {.name = "Edit11", .kind = Kind::Edit, .geometry = {144, 24, 321, 21}, .text = u"Dziękujemy", .label = "Label54", .tab = 1},
    {.name = "ComboBox1", .kind = Kind::ComboBox, .geometry = {144, 72, 161, 21}, .text = uR"(mm\yyyy)", .label = "Label53", .tab = 2, .items = numberingFormats},
    {.name = "Edit12", .kind = Kind::Edit, .geometry = {144, 120, 113, 21}, .label = "Label55", .tab = 3},
    {.name = "CheckBox2", .kind = Kind::CheckBox, .geometry = {368, 80, 105, 17}, .text = u"Data na wydruku", .color = ellipse, .fontColor = white, .tab = 4, .checked = true, .hidden = true},
    {.name = "CheckBox3", .kind = Kind::CheckBox, .geometry = {344, 112, 105, 17}, .text = u"Logo na wydruku", .color = ellipse, .fontColor = white, .tab = 5, .checked = true},
    {.name = "CheckBox4", .kind = Kind::CheckBox, .geometry = {304, 144, 105, 17}, .text = u"Odtwarzaj dźwięki", .color = ellipse, .fontColor = white, .tab = 6, .checked = true},
    {.name = "CheckBox6", .kind = Kind::CheckBox, .geometry = {256, 176, 137, 17}, .text = u"Archiwizuj automatycznie", .color = ellipse, .fontColor = white, .tab = 7},
};
// clang-format on

} // namespace

kit::Controls buildOptionsPage(QWidget* page) {
    return kit::build(page, rows, {.labelColor = white});
}

} // namespace pages
