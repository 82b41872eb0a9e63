// The products page: the current product's record fields, the list of products and the
// record buttons.
#include "pages/Pages.h"
#include "pages/Shared.h"

namespace pages {
namespace {

using kit::Align;
using kit::Kind;

// clang-format off
constexpr kit::Column columns[] = {
    {.field = u"Nazwa", .title = u"Nazwa", .width = 161},
    {.field = u"Jm", .title = u"Jm", .width = 48},
    {.field = u"CenaNetto", .title = u"Cena Netto", .width = 86},
    {.field = u"VAT", .title = u"VAT", .width = 36},
    {.field = u"SWW", .title = u"SWW/KWiU", .width = 86},
    {.field = u"Klasa", .title = u"Klasa", .width = 43},
    {.field = u"Opis", .title = u"Opis", .width = 247},
};

const kit::Row back[] = {
    {.name = "Image6", .kind = Kind::Picture, .geometry = {0, 0, 784, 456}, .align = Align::Client},
    {.name = "Shape2", .kind = Kind::Shape, .geometry = {-456, -448, 1057, 641}, .color = 0x103270},
    fieldLabel("Label44", 16, 8, 33, u"Nazwa"),
    fieldLabel("Label45", 312, 8, 52, u"Cena netto"),
    fieldLabel("Label46", 200, 8, 76, u"Jednostka miary"),
    fieldLabel("Label47", 104, 64, 62, u"SWW/KWiU"),
    fieldLabel("Label48", 224, 64, 26, u"Klasa"),
    fieldLabel("Label49", 16, 112, 21, u"Opis"),
    fieldLabel("Label50", 16, 64, 21, u"VAT"),
};

constexpr auto buttons = recordButtons({"SpeedButton11", "SpeedButton41", "SpeedButton42", "SpeedButton43",
                                        "SpeedButton44", "SpeedButton58", "SpeedButton59", "SpeedButton60",
                                        "SpeedButton61", "SpeedButton62"});

const kit::Row front[] = {
    separator("Image13"),
    fieldLabel("Label73", 416, 8, 55, u"Cena brutto"),
    {.name = "Label74", .kind = Kind::Label, .geometry = {328, 64, 85, 13}, .text = u"ilość w magazynie", .hidden = true},
    fieldEdit("DBEdit25", 16, 24, 169, u"Nazwa", "Label44", 1),
    {.name = "DBComboBox1", .kind = Kind::FieldCombo, .geometry = {200, 24, 81, 21}, .label = "Label46", .tab = 2, .items = units, .field = u"Jm"},
    {.name = "DBEdit29", .kind = Kind::FieldEdit, .geometry = {296, 24, 97, 21}, .hint = u"po wpisaniu ceny netto naciśnij enter aby wyliczyć cenę brutto ", .label = "Label45", .tab = 3, .field = u"CenaNetto"},
    {.name = "DBEdit27", .kind = Kind::FieldEdit, .geometry = {400, 24, 105, 21}, .hint = u"po wpisaniu ceny brutto naciśnij enter aby wyliczyć cenę netto", .label = "Label73", .tab = 4, .field = u"CenaBrutto"},
    {.name = "DBComboBox2", .kind = Kind::FieldCombo, .geometry = {16, 80, 73, 21}, .label = "Label50", .tab = 5, .items = vatRates, .field = u"VAT"},
    fieldEdit("DBEdit28", 104, 80, 105, u"SWW", "Label47", 6),
    fieldEdit("DBEdit30", 224, 80, 89, u"Klasa", "Label48", 7),
    {.name = "DBEdit26", .kind = Kind::FieldEdit, .geometry = {328, 80, 89, 21}, .label = "Label74", .tab = 8, .field = u"Liczba", .hidden = true},
    fieldEdit("DBEdit31", 16, 128, 297, u"Opis", "Label49", 9),
    {.name = "DBGrid1", .kind = Kind::RecordGrid, .geometry = {16, 208, 745, 137}, .tab = 10, .columns = columns, .fixedColor = 0x5252a5, .titleColor = white},
};
// clang-format on

} // namespace

kit::Controls buildProductsPage(QWidget* page) {
    return kit::build(page, {back, buttons, front}, {.labelColor = white});
}

} // namespace pages
