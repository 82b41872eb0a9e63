#pragma once
// What the pages share: the record button row, the separator strip, fonts, the field rows,
// the radio pair on an ellipse and the vocabulary of units, rates, months, years and
// contractors.
#include "kit/Layout.h"

#include <array>

namespace pages {

namespace glyph {
inline constexpr const char* first = ":/record/first.bmp";
inline constexpr const char* previous = ":/record/previous.bmp";
inline constexpr const char* next = ":/record/next.bmp";
inline constexpr const char* last = ":/record/last.bmp";
inline constexpr const char* add = ":/record/add.bmp";
inline constexpr const char* remove = ":/record/delete.bmp";
inline constexpr const char* modify = ":/record/modify.bmp";
inline constexpr const char* confirm = ":/record/confirm.bmp";
inline constexpr const char* cancel = ":/record/cancel.bmp";
inline constexpr const char* refresh = ":/record/refresh.bmp";
inline constexpr const char* separator = ":/pages/separator.bmp";
inline constexpr const char* binoculars = ":/pages/binoculars.bmp";
} // namespace glyph

namespace hint {
inline constexpr QStringView first = u"Przejdź do pierwszego rekordu";
inline constexpr QStringView previous = u"Poprzedni rekord";
inline constexpr QStringView next = u"Następny rekord";
inline constexpr QStringView last = u"Przejdź do ostatniego rekordu";
inline constexpr QStringView modify = u"Modyfikuj pozycję";
inline constexpr QStringView confirm = u"Potwierdź zmianę";
inline constexpr QStringView cancel = u"Anuluj zmianę";
inline constexpr QStringView refresh = u"Odśwież dane";
inline constexpr QStringView addItem = u"Dodaj pozycję";
inline constexpr QStringView removeItem = u"Usuń pozycję";
inline constexpr QStringView addRecord = u"Dodaj nowy rekord";
inline constexpr QStringView removeRecord = u"Usuń aktualny rekord";
} // namespace hint

inline constexpr int white = 0xffffff;
inline constexpr int black = 0x000000;
inline constexpr int navy = 0x000080;

inline constexpr kit::Font tahoma8{.family = u"Tahoma", .pixelSize = 11};

inline constexpr QStringView units[] = {u"szt.", u"metr", u"litr",  u"opak.", u"egz.",
                                        u"but.", u"doba", u"godz.", u"kg",    u"km"};
inline constexpr QStringView vatRates[] = {u"zw.", u"0", u"3", u"7", u"22"};

// Month and year choices; the filters offer "wszystkie" before them.
inline constexpr QStringView monthChoices[] = {
    u"wszystkie", u"styczeń",  u"luty",     u"marzec",      u"kwiecień", u"maj",     u"czerwiec",
    u"lipiec",    u"sierpień", u"wrzesień", u"październik", u"listopad", u"grudzień"};
inline constexpr std::span<const QStringView> months = std::span(monthChoices).subspan(1);
inline constexpr QStringView yearChoices[] = {u"wszystkie", u"2000", u"2001", u"2002",
                                              u"2003",      u"2004", u"2005"};
inline constexpr std::span<const QStringView> years = std::span(yearChoices).subspan(1);

// The payer and recipient lookups: key field and the field their list shows.
namespace payer {
inline constexpr QStringView key = u"Nr";
inline constexpr QStringView list = u"Nazwisko";
} // namespace payer

// A contractor's record field: its name, the label over its edit and its grid title.
struct ContractorField {
    QStringView field;
    QStringView label;
    QStringView title;
};

namespace contractor {
inline constexpr ContractorField id{u"Id", u"Identyfikator", u"Identyfikator"};
inline constexpr ContractorField name{u"Nazwisko", u"Imię i nazwisko", u"Nazwisko"};
inline constexpr ContractorField firm{u"Firma", u"Firma", u"Firma"};
inline constexpr ContractorField street{u"Ulica", u"Ulica", u"Ulica"};
inline constexpr ContractorField postcode{u"Kod", u"Kod", u"Kod"};
inline constexpr ContractorField town{u"Miejscowosc", u"Miejscowość", u"Miejscowość"};
inline constexpr ContractorField nip{u"NIP", u"NIP", u"NIP"};
inline constexpr ContractorField regon{u"REGON", u"Regon", u"REGON"};
inline constexpr ContractorField idCard{u"Dowod", u"Nr dowodu", u"Dowod"};
inline constexpr ContractorField pesel{u"Pesel", u"Pesel", u"Pesel"};
inline constexpr ContractorField issuer{u"PMK", u"Organ wydający dowód osobisty", u"Organ wyd. dowód"};
inline constexpr ContractorField passport{u"Paszport", u"Paszport", u"Paszport"};
inline constexpr ContractorField bank{u"Bank", u"Bank", u"Bank"};
inline constexpr ContractorField account{u"Nr_rku", u"Nr rachunku", u"Nr rachunku"};
inline constexpr ContractorField phone{u"Telefon", u"Telefon", u"Telefon"};
inline constexpr ContractorField fax{u"Faks", u"Faks", u"Faks"};
inline constexpr ContractorField email{u"Email", u"E-mail", u"Email"};
} // namespace contractor

constexpr kit::Column column(const ContractorField& f, int width) {
    return {.field = f.field, .title = f.title, .width = width};
}

// A white field label and the field edit under it, which the label names.
constexpr kit::Row fieldLabel(const char* name, int left, int top, int width, QStringView text) {
    return {.name = name, .kind = kit::Kind::Label, .geometry = {left, top, width, 13}, .text = text};
}
constexpr kit::Row fieldEdit(const char* name, int left, int top, int width, QStringView field,
                             const char* label, int tab) {
    return {.name = name,
            .kind = kit::Kind::FieldEdit,
            .geometry = {left, top, width, 21},
            .label = label,
            .tab = tab,
            .field = field};
}

// The record button row at top 364: one flat 35 x 35 glyph button per slot.
constexpr kit::Row recordButton(const char* name, int left, QStringView hint, const char* picture) {
    return {.name = name,
            .kind = kit::Kind::FlatSpeedButton,
            .geometry = {left, 364, 35, 35},
            .hint = hint,
            .picture = picture};
}

// First, previous, next and last, named in slot order.
constexpr std::array<kit::Row, 4> navigationButtons(std::array<const char*, 4> names) {
    return {recordButton(names[0], 160, hint::first, glyph::first),
            recordButton(names[1], 200, hint::previous, glyph::previous),
            recordButton(names[2], 240, hint::next, glyph::next),
            recordButton(names[3], 280, hint::last, glyph::last)};
}

// The full row of ten, named in slot order; the pages differ in two hints and where
// the refresh button stands.
constexpr std::array<kit::Row, 10> recordButtons(std::array<const char*, 10> names, QStringView addHint,
                                                 QStringView removeHint, int refreshLeft) {
    const auto nav = navigationButtons({names[0], names[1], names[2], names[3]});
    return {nav[0],
            nav[1],
            nav[2],
            nav[3],
            recordButton(names[4], 347, addHint, glyph::add),
            recordButton(names[5], 387, removeHint, glyph::remove),
            recordButton(names[6], 451, hint::modify, glyph::modify),
            recordButton(names[7], 491, hint::confirm, glyph::confirm),
            recordButton(names[8], 531, hint::cancel, glyph::cancel),
            recordButton(names[9], refreshLeft, hint::refresh, glyph::refresh)};
}

// The row of the record editor pages: sellers, buyers and products.
constexpr std::array<kit::Row, 10> recordButtons(std::array<const char*, 10> names) {
    return recordButtons(names, hint::addRecord, hint::removeRecord, 571);
}

// The dark blue strip under the button row.
constexpr kit::Row separator(const char* name, int width = 450) {
    return {.name = name,
            .kind = kit::Kind::Picture,
            .geometry = {160, 408, width, 6},
            .picture = glyph::separator,
            .stretch = width != 450};
}

// "wpłata" or "przelew": one exclusive pair of radio buttons on a small ellipse, whose
// top-left corner is (left, top).
inline constexpr int payWayColor = 0x0d2673;
constexpr std::array<kit::Row, 3> paymentWay(std::array<const char*, 3> names, int left, int top, int tab,
                                             bool hidden) {
    return {kit::Row{.name = names[0],
                     .kind = kit::Kind::Shape,
                     .geometry = {left, top, 233, 81},
                     .color = payWayColor,
                     .hidden = hidden},
            kit::Row{.name = names[1],
                     .kind = kit::Kind::RadioButton,
                     .geometry = {left + 56, top + 24, 65, 17},
                     .text = u"wpłata",
                     .color = payWayColor,
                     .fontColor = white,
                     .tab = tab,
                     .checked = true,
                     .hidden = hidden,
                     .group = 1},
            kit::Row{.name = names[2],
                     .kind = kit::Kind::RadioButton,
                     .geometry = {left + 120, top + 40, 65, 17},
                     .text = u"przelew",
                     .color = payWayColor,
                     .fontColor = white,
                     .tab = tab + 1,
                     .hidden = hidden,
                     .group = 1}};
}

} // namespace pages
