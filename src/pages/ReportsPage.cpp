// The reports page: a chart area and a grid on a flat orange page, and the choices of what
// to chart and report. Nothing is drawn in this edition.
#include "pages/Pages.h"
#include "pages/Shared.h"

namespace pages {
namespace {

using kit::Kind;
using kit::ShapeKind;

constexpr int orange = 0xff8000;
constexpr int buttonFace = 0xd4d0c8;

constexpr QStringView chartsOf[] = {u"Ilość produktów - rodzaj produktów",
                                    u"Cena produktów - rodzaj produktów", u"Ilość produktów - czas",
                                    u"Cena produktów - czas"};
constexpr QStringView sources[] = {u"bierząca faktura", u"wystawione dokumenty"};

constexpr kit::Font caption10{.pixelSize = 13};

// clang-format off
constexpr kit::Column columns[] = {
    {.field = u"NR", .width = 116},
    {.field = u"Nazwa", .width = 422},
};

const kit::Row rows[] = {
    {.name = "Shape13", .kind = Kind::Shape, .geometry = {0, 0, 784, 456}, .color = orange, .shape = ShapeKind::Rectangle},
    {.name = "Label57", .kind = Kind::Label, .geometry = {592, 8, 56, 13}, .text = u"Wykres dla:"},
    {.name = "Label58", .kind = Kind::Label, .geometry = {592, 48, 73, 13}, .text = u"Źródło danych:"},
    {.name = "SpeedButton64", .kind = Kind::FlatSpeedButton, .geometry = {592, 295, 177, 25}, .text = u"zapisz rysunek", .hint = u"Zapisuje wykres jako plik graficzny w formacie wmf", .fontColor = navy, .font = &caption10},
    {.name = "SpeedButton65", .kind = Kind::FlatSpeedButton, .geometry = {592, 264, 177, 24}, .text = u"rysuj wykres", .fontColor = navy, .font = &caption10},
    // The chart area stands above the list box, cut off by the box's inner area.
    {.name = "ScrollBox1", .kind = Kind::ScrollBox, .geometry = {8, 8, 569, 281}, .spoken = u"wykres", .tab = 0},
    {.name = "ListBox1", .kind = Kind::ListBox, .geometry = {336, 48, 145, 129}, .spoken = u"lista", .parent = "ScrollBox1"},
    {.name = "RpShape1", .kind = Kind::ChartArea, .geometry = {0, 0, 569, 281}, .spoken = u"wykres", .parent = "ScrollBox1", .color = white},
    {.name = "ComboBox3", .kind = Kind::DropDownList, .geometry = {590, 24, 179, 21}, .label = "Label57", .color = white, .tab = 1, .items = chartsOf},
    {.name = "ComboBox8", .kind = Kind::DropDownList, .geometry = {590, 64, 179, 21}, .label = "Label58", .color = white, .tab = 2, .items = sources},
    {.name = "GroupBox3", .kind = Kind::GroupBox, .geometry = {592, 88, 177, 49}, .text = u"wykres dla roku", .color = orange, .tab = 3, .hidden = true},
    {.name = "RadioButton8", .kind = Kind::RadioButton, .geometry = {88, 8, 49, 17}, .text = u"Rok", .parent = "GroupBox3", .color = buttonFace, .checked = true, .hidden = true},
    {.name = "RadioButton9", .kind = Kind::RadioButton, .geometry = {88, 24, 57, 17}, .text = u"Miesiąc", .parent = "GroupBox3", .color = buttonFace, .hidden = true},
    {.name = "ComboBox9", .kind = Kind::ComboBox, .geometry = {8, 16, 161, 21}, .text = u"2000", .parent = "GroupBox3", .color = white, .items = years},
    {.name = "ComboBox10", .kind = Kind::DropDownList, .geometry = {80, 40, 65, 21}, .parent = "GroupBox3", .color = white, .items = months, .hidden = true},
    {.name = "GroupBox4", .kind = Kind::GroupBox, .geometry = {592, 144, 177, 105}, .text = u"Typ wykresu", .color = orange, .tab = 4},
    {.name = "RadioButton10", .kind = Kind::RadioButton, .geometry = {16, 16, 41, 17}, .text = u"3D", .parent = "GroupBox4", .color = orange},
    {.name = "RadioButton11", .kind = Kind::RadioButton, .geometry = {104, 16, 41, 17}, .text = u"2D", .parent = "GroupBox4", .color = orange, .checked = true},
    {.name = "GroupBox5", .kind = Kind::GroupBox, .geometry = {8, 32, 161, 65}, .text = u"Rodzaj", .parent = "GroupBox4", .color = orange},
    {.name = "RadioButton12", .kind = Kind::RadioButton, .geometry = {8, 16, 69, 17}, .text = u"Słupkowy", .parent = "GroupBox5", .color = orange, .checked = true},
    {.name = "RadioButton13", .kind = Kind::RadioButton, .geometry = {8, 40, 65, 17}, .text = u"Kołowy", .parent = "GroupBox5", .color = orange},
    {.name = "RadioButton14", .kind = Kind::RadioButton, .geometry = {96, 16, 57, 17}, .text = u"Liniowy", .parent = "GroupBox5", .color = orange},
    {.name = "DBGrid7", .kind = Kind::RecordGrid, .geometry = {8, 296, 569, 145}, .color = white, .tab = 5, .columns = columns, .fixedColor = 0x5252a5, .titleColor = white},
    {.name = "GroupBox6", .kind = Kind::GroupBox, .geometry = {592, 328, 177, 113}, .text = u"Rodzaj raportu", .color = orange, .tab = 6},
    {.name = "RadioButton18", .kind = Kind::RadioButton, .geometry = {16, 24, 121, 17}, .text = u"Analiza graficzna", .parent = "GroupBox6", .color = orange, .checked = true},
    {.name = "RadioButton19", .kind = Kind::RadioButton, .geometry = {16, 72, 113, 17}, .text = u"Lista płatników", .parent = "GroupBox6", .color = orange},
    {.name = "RadioButton20", .kind = Kind::RadioButton, .geometry = {16, 48, 113, 17}, .text = u"Lista dokumentów", .parent = "GroupBox6", .color = orange},
};
// clang-format on

} // namespace

kit::Controls buildReportsPage(QWidget* page) {
    return kit::build(page, rows);
}

} // namespace pages
