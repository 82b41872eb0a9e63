#include "templates/Unit4.h"
#include "templates/Invoice.h"

using namespace report;
using templates::Kind;
using templates::Row;
using templates::invoice::buyerLines;
using templates::invoice::sellerLines;

namespace {

// clang-format off
// What the RR invoice changes in the VAT invoice's page header.
constexpr Row headerChanges[] = {
    {.name = "RpLabel1", .left = 257, .top = 3, .width = 207, .height = 32, .text = u"Faktura VAT RR", .font = {.size = 20, .bold = true, .underline = true}, .align = taCenter},
    {.name = "RpMemo1", .kind = Kind::Memo, .left = 1, .top = 226, .width = 352, .height = 119, .font = {.size = 10}, .fixed = true, .stretch = true, .lines = sellerLines},
    {.name = "RpMemo2", .kind = Kind::Memo, .left = 361, .top = 226, .width = 352, .height = 119, .font = {.size = 10}, .fixed = true, .stretch = true, .lines = buyerLines},
};

// Small right-aligned headings that wrap within their boxes.
constexpr Row headingRows[] = {
    {.name = "RpLabel14", .left = 8, .top = 2, .width = 10, .height = 17, .text = u"Lp", .font = {.size = 6}, .align = taRightJustify},
    {.name = "RpLabel11", .left = 72, .top = 2, .width = 78, .height = 36, .text = u"Nazwa zakupionych produktów rolnych", .font = {.size = 6}, .fixed = true, .align = taRightJustify},
    {.name = "RpLabel26", .left = 232, .top = 2, .width = 48, .height = 41, .text = u"Klasa lub jakość zakupionych produktów", .font = {.size = 6}, .fixed = true, .align = taRightJustify},
    {.name = "RpLabel12", .left = 281, .top = 2, .width = 48, .height = 37, .text = u"Ilość zakupionych produktów", .font = {.size = 6}, .fixed = true, .align = taRightJustify},
    {.name = "RpLabel13", .left = 344, .top = 2, .width = 10, .height = 17, .text = u"Jm", .font = {.size = 6}, .align = taRightJustify},
    {.name = "RpLabel43", .left = 385, .top = 2, .width = 49, .height = 37, .text = u"Cena jednostkowa produktu", .font = {.size = 6}, .fixed = true, .align = taRightJustify},
    {.name = "RpLabel15", .left = 457, .top = 2, .width = 43, .height = 37, .text = u"Wartość zakupionych produktów", .font = {.size = 6}, .fixed = true, .align = taRightJustify},
    {.name = "RpLabel16", .left = 528, .top = 2, .width = 18, .height = 17, .text = u"VAT", .font = {.size = 6}, .align = taRightJustify},
    {.name = "RpLabel17", .left = 553, .top = 2, .width = 78, .height = 42, .text = u"Kwota zryczałtowanego zwrotu podatku od wart. produktów zakupionych", .font = {.size = 6}, .fixed = true, .align = taRightJustify},
    {.name = "RpLabel18", .left = 641, .top = 2, .width = 73, .height = 42, .text = u"Wart. zakupionych prod. wraz ze zryczałtowanym zwrotem podatku", .font = {.size = 6}, .fixed = true, .stretch = true, .align = taRightJustify},
};

// Signature places, higher than the VAT invoice's, and the farmer's statement.
constexpr Row signatureRows[] = {
    {.name = "RpLabel47", .left = 40, .top = 158, .width = 192, .height = 17, .text = u"Imię i nazwisko osoby upoważnionej", .font = {.size = 9, .bold = true}, .transparent = true},
    {.name = "RpLabel48", .left = 40, .top = 173, .width = 168, .height = 17, .text = u"do wystawienia faktury VAT RR", .font = {.size = 9, .bold = true}, .transparent = true},
    {.name = "RpLabel50", .left = 87, .top = 130, .width = 79, .height = 17, .text = u"Roman Wiśniak", .font = {.size = 10, .italic = true}, .align = taCenter},
    {.name = "RpLabel49", .left = 558, .top = 131, .width = 80, .height = 17, .text = u"Jerzy Kalinek", .font = {.size = 10, .italic = true}, .align = taCenter},
    {.name = "RpLabel44", .left = 496, .top = 158, .width = 209, .height = 59, .text = u"Imię i nazwisko  oraz podpis rolnika ryczałtowego lub osoby uprawnionej do odbioru faktury VAT RR", .font = {.size = 9, .bold = true}, .fixed = true, .transparent = true},
    {.name = "RpShape19", .kind = Kind::Shape, .left = 496, .top = 153, .width = 190, .height = 2, .shape = shHorLine, .pen = 2},
    {.name = "RpShape2", .kind = Kind::Shape, .left = 40, .top = 153, .width = 190, .height = 2, .shape = shHorLine, .pen = 2},
    {.name = "RpLabel45", .left = 0, .top = 260, .width = 689, .height = 34, .text = u" Oświadczam, że jestem rolnikiem ryczałtowym zwolnionym od podatku od towarów i usług na podstawie art. 7 ust. 1 pkt 7 ustawy z dnia 8 stycznia 1993 r. o podatku od towarów i usług oraz o podatku akcyzowym  ", .font = {.size = 8}, .fixed = true},
};
// clang-format on

} // namespace

TFaktura_RR::TFaktura_RR(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("Faktura_RR"));
    setWindowTitle(QStringLiteral("Faktura VAT RR"));
    resize(803, 581);

    namespace inv = templates::invoice;
    inv::build(Report1, 48, headingRows, 294,
               {inv::vatBox(), inv::remarks(), inv::amounts(), inv::vatBoxRules(), signatureRows},
               headerChanges);
}

TFaktura_RR::~TFaktura_RR() = default;
