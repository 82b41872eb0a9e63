// The invoice page: seller, buyer, product, number, dates, payment, discount, the kind of
// document, the items and the totals.
#include "pages/Pages.h"
#include "pages/Shared.h"

#include <QWidget>

namespace pages {
namespace {

using kit::Align;
using kit::Kind;
using kit::ShapeKind;

constexpr QStringView payments[] = {u"przelew", u"gotówka", u"karta kredytowa", u"karta płatnicza",
                                    u"za pobraniem"};
constexpr QStringView terms[] = {u"7 dni", u"14 dni", u"21 dni", u"wg umowy"};

// clang-format off
constexpr kit::Column items[] = {
    {.field = u"Lp", .title = u"Lp", .width = 31},
    {.field = u"Nazwa", .title = u"Nazwa", .width = 132},
    {.field = u"Ilosc", .title = u"Ilość", .width = 31},
    {.field = u"Jm", .title = u"Jm", .width = 38, .pickList = units},
    {.field = u"SWW", .title = u"PKWiU", .width = 66},
    {.field = u"Klasa", .title = u"Klasa", .width = 44},
    {.field = u"Netto_jedn", .title = u"Cena netto", .width = 81},
    {.field = u"Netto", .title = u"Wart. netto", .width = 81},
    {.field = u"VAT", .title = u"VAT", .width = 33, .pickList = vatRates},
    {.field = u"KwotaVAT", .title = u"Kwota VAT", .width = 80},
    {.field = u"Brutto", .title = u"Wart. brutto", .width = 97},
};

const kit::Row back[] = {
    {.name = "Image2", .kind = Kind::Picture, .geometry = {0, 0, 784, 456}, .align = Align::Client},
    {.name = "Shape7", .kind = Kind::Shape, .geometry = {-475, -399, 900, 584}, .color = 0x003986},
    {.name = "Label1", .kind = Kind::LinkLabel, .geometry = {8, 40, 45, 13}, .text = u"Nabywca", .hint = u"Kliknij aby modyfikować bazę nabywców"},
    {.name = "Label2", .kind = Kind::LinkLabel, .geometry = {8, 0, 59, 13}, .text = u"Sprzedawca", .hint = u"Kliknij aby modyfikować bazę sprzedawców"},
    {.name = "Label3", .kind = Kind::LinkLabel, .geometry = {8, 80, 37, 13}, .text = u"Produkt", .hint = u"Kliknij aby modyfikować bazę produktów"},
    {.name = "Label4", .kind = Kind::Label, .geometry = {8, 120, 70, 13}, .text = u"Nr. dokumentu"},
    {.name = "Shape8", .kind = Kind::Shape, .geometry = {576, 11, 193, 110}, .color = navy},
    {.name = "Shape9", .kind = Kind::Shape, .geometry = {443, 144, 315, 185}, .color = 0x1a2d66},
    {.name = "Label5", .kind = Kind::Label, .geometry = {469, 188, 28, 13}, .text = u"razem"},
    {.name = "Label6", .kind = Kind::Label, .geometry = {453, 215, 37, 13}, .text = u"słownie"},
    {.name = "Label7", .kind = Kind::Label, .geometry = {509, 167, 50, 13}, .text = u"wart. netto"},
    {.name = "Label8", .kind = Kind::Label, .geometry = {581, 167, 53, 13}, .text = u"kwota VAT"},
    {.name = "Label9", .kind = Kind::Label, .geometry = {645, 167, 53, 13}, .text = u"wart. brutto"},
    {.name = "Label10", .kind = Kind::Label, .geometry = {424, 0, 81, 13}, .text = u"data wystawienia"},
    {.name = "Label11", .kind = Kind::Label, .geometry = {392, 40, 71, 13}, .text = u"data sprzedaży"},
    {.name = "Label12", .kind = Kind::Label, .geometry = {344, 80, 75, 13}, .text = u"termin płatności"},
    {.name = "Label13", .kind = Kind::Label, .geometry = {288, 120, 73, 13}, .text = u"forma płatności"},
    {.name = "SpeedButton1", .kind = Kind::SpeedButton, .geometry = {16, 198, 104, 24}, .spoken = u"dodaj do listy", .picture = ":/pages/add-to-list.bmp"},
};

constexpr auto buttons = recordButtons({"SpeedButton23", "SpeedButton24", "SpeedButton25", "SpeedButton26",
                                        "SpeedButton20", "SpeedButton19", "SpeedButton21", "SpeedButton14",
                                        "SpeedButton15", "SpeedButton32"},
                                       hint::addItem, hint::removeItem, 572);

const kit::Row front[] = {
    separator("Image9"),
    {.name = "Label70", .kind = Kind::Label, .geometry = {304, 181, 8, 13}, .text = u"%"},
    {.name = "Label78", .kind = Kind::Label, .geometry = {392, 136, 66, 13}, .text = u"Tytuł KOrekty", .fontColor = black, .hidden = true},
    {.name = "SpeedButton63", .kind = Kind::FlatSpeedButton, .geometry = {328, 17, 20, 20}, .hint = u"znajdź sprzedawcę", .picture = glyph::binoculars},
    {.name = "SpeedButton66", .kind = Kind::FlatSpeedButton, .geometry = {288, 57, 20, 20}, .hint = u"znajdź nabywcę", .picture = glyph::binoculars},
    {.name = "GroupBox1", .kind = Kind::GroupBox, .geometry = {604, 33, 141, 64}, .text = u"Rodzaj dokumentu", .color = navy, .fontColor = white, .tab = 0},
    {.name = "RadioButton1", .kind = Kind::RadioButton, .geometry = {8, 13, 89, 17}, .text = u"faktura VAT", .parent = "GroupBox1", .color = navy, .fontColor = white, .checked = true},
    {.name = "RadioButton2", .kind = Kind::RadioButton, .geometry = {8, 28, 89, 17}, .text = u"faktura RR", .parent = "GroupBox1", .color = navy, .fontColor = white},
    {.name = "RadioButton3", .kind = Kind::RadioButton, .geometry = {8, 44, 89, 17}, .text = u"rachunek", .parent = "GroupBox1", .color = navy, .fontColor = white},
    {.name = "Edit5", .kind = Kind::Edit, .geometry = {504, 211, 230, 21}, .label = "Label6", .tab = 1, .readOnly = true},
    {.name = "Edit2", .kind = Kind::Edit, .geometry = {504, 184, 65, 21}, .label = "Label7", .tab = 3, .readOnly = true},
    {.name = "Edit3", .kind = Kind::Edit, .geometry = {576, 184, 57, 21}, .label = "Label8", .tab = 4, .readOnly = true},
    {.name = "Edit4", .kind = Kind::Edit, .geometry = {640, 184, 81, 21}, .label = "Label9", .tab = 5, .readOnly = true},
    {.name = "ComboBox17", .kind = Kind::ComboBox, .geometry = {8, 16, 313, 21}, .label = "Label2", .tab = 6},
    {.name = "DateTimePicker1", .kind = Kind::DatePicker, .geometry = {414, 18, 107, 21}, .label = "Label10", .tab = 7},
    {.name = "ComboBox18", .kind = Kind::ComboBox, .geometry = {8, 56, 273, 21}, .label = "Label1", .tab = 8},
    {.name = "DateTimePicker2", .kind = Kind::DatePicker, .geometry = {375, 59, 106, 21}, .label = "Label11", .tab = 9},
    {.name = "DBLookupComboBox5", .kind = Kind::LookupCombo, .geometry = {8, 96, 233, 21}, .label = "Label3", .tab = 10, .field = u"NR", .listField = u"Nazwa"},
    {.name = "Edit1", .kind = Kind::Edit, .geometry = {8, 136, 137, 21}, .label = "Label4", .tab = 11},
    {.name = "ComboBox5", .kind = Kind::ComboBox, .geometry = {269, 136, 108, 21}, .text = u"gotówka", .label = "Label13", .tab = 12, .items = payments},
    {.name = "CheckBox8", .kind = Kind::CheckBox, .geometry = {200, 160, 97, 17}, .text = u"udzielono rabatu", .color = 0x2c4874, .fontColor = white, .tab = 13},
    {.name = "Edit14", .kind = Kind::Edit, .geometry = {200, 176, 97, 21}, .label = "CheckBox8", .tab = 14},
    {.name = "DBGrid5", .kind = Kind::RecordGrid, .geometry = {16, 240, 745, 108}, .font = &tahoma8, .tab = 15, .columns = items, .fixedColor = 0x5252a5, .titleFont = &tahoma8, .titleColor = white},
    {.name = "ComboBox16", .kind = Kind::ComboBox, .geometry = {328, 96, 121, 21}, .text = u"14 dni", .label = "Label12", .tab = 16, .items = terms},
};
// clang-format on

} // namespace

kit::Controls buildInvoicePage(QWidget* page) {
    // The invoice page sets its own font: MS Sans Serif 8 pt, black.
    QPalette black = page->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    page->setPalette(black);
    return kit::build(page, {back, buttons, front}, {.labelColor = white});
}

} // namespace pages
