// The ZUS page: payer, document, kind of payment, period, declaration number, the three
// contributions and the total, and whether it is paid in cash or by transfer.
#include "pages/Pages.h"
#include "pages/Shared.h"

namespace pages {
namespace {

using kit::Align;
using kit::Kind;

constexpr int ellipse = 0x103270;

constexpr QStringView paymentKinds[] = {u"składka za 1 m-c",    u"składka dłuższa niż 1 m-c ",
                                        u"układ ratalny",       u"odroczenie terminu",
                                        u"opłata dodatkowa",    u"egzekucja",
                                        u"przypisy pokontrolne"};
constexpr QStringView zusMonths[] = {u"01", u"02", u"03", u"04", u"05", u"06",
                                     u"07", u"08", u"09", u"10", u"11", u"12"};
constexpr std::span<const QStringView> zusYears = years.subspan(1); // from 2001

// clang-format off
const kit::Row back[] = {
    {.name = "Image15", .kind = Kind::Picture, .geometry = {0, 0, 784, 456}, .align = Align::Client},
    // Holds no picture and is never painted: the background shows through it.
    {.name = "Image14", .kind = Kind::Picture, .geometry = {0, 0, 784, 456}},
    {.name = "Shape14", .kind = Kind::Shape, .geometry = {-454, -384, 969, 617}, .color = ellipse},
    {.name = "Label60", .kind = Kind::LinkLabel, .geometry = {7, 6, 58, 13}, .text = u"Wpłacający", .hint = u"Kliknij aby modyfikować bazę wpłacających"},
    {.name = "Label61", .kind = Kind::Label, .geometry = {12, 173, 110, 13}, .text = u"razem kwota do wpłaty"},
    {.name = "Label63", .kind = Kind::Label, .geometry = {12, 61, 49, 13}, .text = u"typ wpłaty"},
    {.name = "Label64", .kind = Kind::Label, .geometry = {228, 5, 121, 13}, .text = u"rodzaj i numer dokumentu"},
    {.name = "C", .kind = Kind::Label, .geometry = {364, 61, 57, 13}, .text = u"nr deklaracji"},
    {.name = "Label65", .kind = Kind::Label, .geometry = {212, 61, 15, 13}, .text = u"rok"},
    {.name = "Label68", .kind = Kind::Label, .geometry = {300, 61, 35, 13}, .text = u"miesiąc"},
};

constexpr auto payWay = paymentWay({"Shape15", "RadioButton4", "RadioButton15"}, 456, 208, 13, false);

const kit::Row front[] = {
    {.name = "Label62", .kind = Kind::Label, .geometry = {124, 197, 9, 13}, .text = u"zł"},
    {.name = "DBLookupComboBox6", .kind = Kind::LookupCombo, .geometry = {8, 24, 185, 21}, .label = "Label60", .tab = 0, .field = payer::key, .listField = payer::list},
    {.name = "ComboBox13", .kind = Kind::ComboBox, .geometry = {208, 24, 249, 21}, .label = "Label64", .tab = 1},
    {.name = "ComboBox12", .kind = Kind::DropDownList, .geometry = {8, 80, 185, 21}, .label = "Label63", .tab = 2, .items = paymentKinds},
    {.name = "ComboBox14", .kind = Kind::ComboBox, .geometry = {208, 80, 81, 21}, .label = "Label65", .tab = 3, .items = zusYears},
    {.name = "ComboBox15", .kind = Kind::ComboBox, .geometry = {296, 80, 65, 21}, .label = "Label68", .tab = 4, .items = zusMonths},
    {.name = "Edit17", .kind = Kind::Edit, .geometry = {368, 80, 41, 21}, .text = u"1", .label = "C", .tab = 5},
    {.name = "CheckBox1", .kind = Kind::CheckBox, .geometry = {8, 120, 105, 17}, .text = u"ubezp. społeczne", .color = ellipse, .fontColor = white, .tab = 6, .checked = true},
    {.name = "CheckBox9", .kind = Kind::CheckBox, .geometry = {120, 120, 105, 17}, .text = u"ubezp. zdrowotne", .color = ellipse, .fontColor = white, .tab = 7, .checked = true},
    {.name = "CheckBox10", .kind = Kind::CheckBox, .geometry = {232, 120, 105, 17}, .text = u"FP i FGŚP", .color = ellipse, .fontColor = white, .tab = 8, .checked = true},
    {.name = "Edit16", .kind = Kind::Edit, .geometry = {8, 136, 105, 21}, .text = u"0,00", .label = "CheckBox1", .tab = 9},
    {.name = "Edit18", .kind = Kind::Edit, .geometry = {120, 136, 105, 21}, .text = u"0,00", .label = "CheckBox9", .tab = 10},
    {.name = "Edit19", .kind = Kind::Edit, .geometry = {232, 136, 105, 21}, .text = u"0,00", .label = "CheckBox10", .tab = 11},
    {.name = "Edit15", .kind = Kind::Edit, .geometry = {8, 192, 105, 21}, .text = u"0,00", .label = "Label61", .tab = 12, .readOnly = true},
};
// clang-format on

} // namespace

kit::Controls buildZusPage(QWidget* page) {
    return kit::build(page, {back, payWay, front}, {.labelColor = white});
}

} // namespace pages
