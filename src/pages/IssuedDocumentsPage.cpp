// The issued documents page: filters by year, month and buyer, a search by category, the
// list of documents, its hidden details grid, and the load and correct buttons.
#include "pages/Pages.h"
#include "pages/Shared.h"

namespace pages {
namespace {

using kit::Align;
using kit::Kind;

constexpr int ellipse = 0x0b3575;

// The search categories name the columns of the document list, in its order.
constexpr QStringView categories[] = {u"NR Faktury", u"Sprzedawca", u"Nabywca", u"data wystawienia",
                                      u"Netto",      u"Kwota Vat",  u"Brutto"};
constexpr QStringView buyers[] = {u"wszystkich"};

constexpr kit::Font caption11{.pixelSize = 15};
constexpr kit::Font caption10{.pixelSize = 13};

// clang-format off
constexpr kit::Column documents[] = {
    {.field = u"NR Faktury", .title = u"NR Faktury", .width = 72},
    {.field = u"SID", .title = u"Sprzedawca", .width = 160},
    {.field = u"NID", .title = u"Nabywca", .width = 157},
    {.field = u"Data wystawienia", .title = u"Data wystawienia", .width = 91},
    {.field = u"Netto", .title = u"Netto", .width = 78},
    {.field = u"Kwota Vat", .title = u"Kwota Vat", .width = 73},
    {.field = u"Brutto", .title = u"Brutto", .width = 79},
};

constexpr kit::Column details[] = {
    {.field = u"Nazwa", .width = 139},
    {.field = u"VAT", .width = 42},
    {.field = u"Ilosc", .width = 48},
    {.field = u"Jm", .width = 47},
    {.field = u"Netto", .width = 84},
    {.field = u"KwotaVAT", .width = 84},
    {.field = u"Brutto", .width = 75},
    {.field = u"Netto_jedn", .width = 83},
    {.field = u"SWW", .width = 62},
    {.field = u"Klasa", .width = 42},
};

const kit::Row back[] = {
    {.name = "Image1", .kind = Kind::Picture, .geometry = {0, 0, 784, 456}, .align = Align::Client},
    {.name = "Shape10", .kind = Kind::Shape, .geometry = {-472, -400, 969, 601}, .color = ellipse},
    {.name = "Label51", .kind = Kind::Label, .geometry = {216, 8, 85, 13}, .text = u"Pokaż z miesiąca:"},
    {.name = "Label52", .kind = Kind::Label, .geometry = {216, 56, 120, 13}, .text = u"Pokaż tylko dla nabywcy:"},
    {.name = "SpeedButton10", .kind = Kind::FlatSpeedButton, .geometry = {360, 364, 129, 35}, .text = u"wczytaj dokument", .fontColor = navy, .font = &caption11},
    {.name = "Label56", .kind = Kind::Label, .geometry = {16, 56, 114, 13}, .text = u"Szukaj według kategorii"},
};

// The first four slots and a delete button at 320: no add, modify, confirm, cancel or refresh.
constexpr auto navigation = navigationButtons({"SpeedButton27", "SpeedButton28", "SpeedButton29", "SpeedButton30"});

const kit::Row front[] = {
    recordButton("SpeedButton17", 320, hint::removeRecord, glyph::remove),
    separator("Image12", 465),
    {.name = "Label59", .kind = Kind::Label, .geometry = {16, 8, 65, 13}, .text = u"Pokaż z roku:"},
    {.name = "SpeedButton3", .kind = Kind::FlatSpeedButton, .geometry = {496, 364, 129, 35}, .text = u"zrób korektę", .fontColor = navy, .font = &caption10},
    {.name = "ComboBox11", .kind = Kind::ComboBox, .geometry = {16, 24, 153, 21}, .label = "Label59", .tab = 2, .items = yearChoices},
    {.name = "ComboBox6", .kind = Kind::DropDownList, .geometry = {216, 24, 217, 21}, .label = "Label51", .tab = 3, .items = monthChoices},
    {.name = "ComboBox2", .kind = Kind::DropDownList, .geometry = {16, 72, 153, 21}, .label = "Label56", .tab = 4, .items = categories},
    {.name = "ComboBox7", .kind = Kind::DropDownList, .geometry = {216, 72, 161, 21}, .label = "Label52", .tab = 5, .items = buyers},
    {.name = "Edit13", .kind = Kind::Edit, .geometry = {16, 96, 153, 21}, .label = "Label56", .tab = 6},
    {.name = "CheckBox7", .kind = Kind::CheckBox, .geometry = {216, 96, 121, 17}, .text = u"Szczeguły widoczne", .color = ellipse, .fontColor = white, .tab = 7},
    {.name = "DBGrid6", .kind = Kind::RecordGrid, .geometry = {16, 152, 745, 81}, .tab = 8, .columns = details, .fixedColor = 0x8080c0, .titleColor = black, .readOnly = true, .hidden = true},
    {.name = "DBGrid4", .kind = Kind::RecordGrid, .geometry = {16, 243, 745, 105}, .tab = 9, .columns = documents, .fixedColor = 0x5252a5, .titleColor = black, .readOnly = true},
};
// clang-format on

} // namespace

kit::Controls buildIssuedDocumentsPage(QWidget* page) {
    return kit::build(page, {back, navigation, front}, {.labelColor = white});
}

} // namespace pages
