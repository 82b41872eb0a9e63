// The transfers page: the kind of form, payer and recipient, the title, the amount and the
// amount in words, and the date of payment on a month calendar.
#include "pages/Pages.h"
#include "pages/Shared.h"
#include "pages/calendar/CCalendar.h"

namespace pages {
namespace {

using kit::Align;
using kit::Kind;

constexpr int ellipse = 0x103270;

constexpr QStringView formKinds[] = {u"polecenie przelewu", u"bankowy dowód wpłaty", u"wpłata pocztowa",
                                     u"polecenie przelewu / wpłata gotówkowa (nowy druk)",
                                     u"wpłata pocztowa (nowy druk)"};

// Weeks from Monday, this month, today current; white cells.
QWidget* makeTransferCalendar(QWidget* parent) {
    auto* calendar = new TCCalendar(parent);
    calendar->SetColor(Qt::white);
    return calendar;
}

// clang-format off
const kit::Row back[] = {
    {.name = "Image7", .kind = Kind::Picture, .geometry = {0, 0, 784, 456}, .align = Align::Client},
    {.name = "Shape11", .kind = Kind::Shape, .geometry = {-462, -384, 969, 661}, .color = ellipse},
    {.name = "Label14", .kind = Kind::Label, .geometry = {10, 15, 78, 13}, .text = u"Rodzaj przelewu"},
    {.name = "Label15", .kind = Kind::Label, .geometry = {12, 181, 30, 13}, .text = u"Kwota"},
    {.name = "Label16", .kind = Kind::Label, .geometry = {11, 75, 144, 13}, .text = u"Nazwa zobowiązania (tytułem)"},
    {.name = "Label17", .kind = Kind::LinkLabel, .geometry = {239, 14, 58, 13}, .text = u"Wpłacający", .hint = u"Kliknij aby modyfikować bazę wpłacających"},
    {.name = "Label18", .kind = Kind::LinkLabel, .geometry = {239, 78, 37, 13}, .text = u"Obiorca", .hint = u"Kliknij aby modyfikować bazę odbiorców "},
    {.name = "Label19", .kind = Kind::Label, .geometry = {12, 125, 39, 13}, .text = u"Słownie"},
};

// Part of the page but never shown: the ZUS page shows the same trio.
constexpr auto payWay = paymentWay({"Shape16", "RadioButton16", "RadioButton17"}, 232, 248, 7, true);

const kit::Row front[] = {
    {.name = "CheckBox5", .kind = Kind::CheckBox, .geometry = {11, 233, 169, 17}, .text = u"Data dokonania płatności", .color = ellipse, .fontColor = white, .tab = 0, .checked = true},
    {.name = "ComboBox4", .kind = Kind::DropDownList, .geometry = {9, 30, 201, 21}, .label = "Label14", .tab = 1, .items = formKinds},
    {.name = "DBLookupComboBox1", .kind = Kind::LookupCombo, .geometry = {240, 32, 233, 21}, .label = "Label17", .tab = 2, .field = payer::key, .listField = payer::list},
    {.name = "Edit8", .kind = Kind::Edit, .geometry = {8, 96, 201, 21}, .label = "Label16", .tab = 3},
    {.name = "DBLookupComboBox2", .kind = Kind::LookupCombo, .geometry = {240, 96, 177, 21}, .label = "Label18", .tab = 4, .field = payer::key, .listField = payer::list},
    {.name = "Edit7", .kind = Kind::Edit, .geometry = {8, 144, 353, 21}, .label = "Label19", .tab = 5, .readOnly = true},
    {.name = "Edit6", .kind = Kind::Edit, .geometry = {11, 197, 254, 21}, .text = u"0,00", .label = "Label15", .tab = 6},
    {.name = "CCalendar1", .kind = Kind::Custom, .geometry = {495, 145, 225, 153}, .label = "CheckBox5", .tab = 9, .make = makeTransferCalendar},
};
// clang-format on

} // namespace

kit::Controls buildTransfersPage(QWidget* page) {
    return kit::build(page, {back, payWay, front}, {.labelColor = white});
}

} // namespace pages
