#include "templates/Invoice.h"
#include "templates/PrintNotice.h"

#include <array>
#include <vector>

namespace templates::invoice {

using namespace report;

namespace {

constexpr Font western11{.size = 11, .charset = TRpCharset::Western};

// clang-format off
constexpr Row headerRows[] = {
    {.name = "RpLabel1", .left = 280, .top = 3, .width = 160, .height = 32, .text = u"Faktura VAT", .font = {.size = 20, .bold = true, .underline = true}, .align = taCenter},
    {.name = "RpLabel2", .left = 513, .top = 44, .width = 19, .height = 23, .text = u"nr", .font = {.size = 14, .bold = true}},
    {.name = "RpLabel3", .left = 543, .top = 44, .width = 135, .height = 23, .text = u"02/sierpień/2000", .font = {.size = 14, .bold = true}},
    {.name = "RpLabel5", .left = 512, .top = 71, .width = 110, .height = 20, .text = u"Data wystawienia:", .font = western11, .transparent = true},
    {.name = "RpLabel6", .left = 630, .top = 71, .width = 65, .height = 21, .text = u"08\\08\\2001", .font = western11, .transparent = true},
    {.name = "RpLabel25", .left = 512, .top = 90, .width = 60, .height = 21, .text = u"Oryginał", .font = {.size = 12, .bold = true, .italic = true}, .transparent = true},
    {.name = "RpImage1", .kind = Kind::Image, .left = 2, .top = 0, .width = 180, .height = 70, .stretchPicture = true, .center = true, .autoSize = true},
    {.name = "RpLabel36", .left = 0, .top = 141, .width = 112, .height = 20, .text = u"Miejsce wystawienia", .font = {.size = 10, .bold = true}},
    {.name = "RpLabel51", .left = 176, .top = 141, .width = 83, .height = 20, .text = u"Data sprzedaży", .font = {.size = 10, .bold = true}},
    {.name = "RpLabel40", .left = 360, .top = 141, .width = 94, .height = 17, .text = u"Termin płatności", .font = {.size = 10, .bold = true}},
    {.name = "RpLabel38", .left = 512, .top = 141, .width = 88, .height = 17, .text = u"Forma płatności", .font = {.size = 10, .bold = true}},
    {.name = "RpLabel39", .left = 512, .top = 163, .width = 90, .height = 20, .text = u"Karta platnicza", .font = {.size = 11}},
    {.name = "RpLabel41", .left = 360, .top = 163, .width = 65, .height = 20, .text = u"01\\09\\2001", .font = {.size = 11}},
    {.name = "RpLabel52", .left = 176, .top = 163, .width = 65, .height = 19, .text = u"08\\08\\2001", .font = {.size = 11}},
    {.name = "RpLabel37", .left = 0, .top = 163, .width = 49, .height = 20, .text = u"Kraków", .font = {.size = 11}},
    {.name = "RpLabel23", .left = 1, .top = 200, .width = 79, .height = 20, .text = u"Sprzedawca", .font = {.size = 12, .bold = true, .italic = true}},
    {.name = "RpLabel24", .left = 360, .top = 200, .width = 62, .height = 20, .text = u"Nabywca", .font = {.size = 12, .bold = true, .italic = true}},
    {.name = "RpShape3", .kind = Kind::Shape, .left = 0, .top = 216, .width = 718, .height = 9, .shape = shHorLine},
    {.name = "RpMemo1", .kind = Kind::Memo, .left = 1, .top = 226, .width = 352, .height = 151, .font = {.size = 10}, .fixed = true, .stretch = true, .lines = sellerLines},
    {.name = "RpShape4", .kind = Kind::Shape, .left = 0, .top = 155, .width = 718, .height = 1, .shape = shHorLine},
    {.name = "RpLabel31", .left = 512, .top = 112, .width = 45, .height = 17, .text = u"Strona 1", .font = {.size = 10}},
    {.name = "RpMemo2", .kind = Kind::Memo, .left = 361, .top = 226, .width = 352, .height = 151, .font = {.size = 10}, .fixed = true, .stretch = true, .lines = buyerLines},
};

constexpr Row vatBoxRows[] = {
    {.name = "RpShape1", .kind = Kind::Shape, .left = 440, .top = 0, .width = 278, .height = 88},
};

constexpr Row remarksRows[] = {
    {.name = "RpLabel42", .left = 8, .top = 222, .width = 41, .height = 17, .text = u"Uwagi:", .font = {.size = 10, .italic = true}},
    {.name = "RpShape5", .kind = Kind::Shape, .left = 8, .top = 238, .width = 705, .height = 9, .shape = shHorLine},
};

constexpr Row amountRows[] = {
    {.name = "RpLabel19", .left = 8, .top = 47, .width = 64, .height = 20, .text = u"Do zapłaty:", .font = {.size = 10, .bold = true, .italic = true}},
    {.name = "RpLabel21", .left = 8, .top = 71, .width = 49, .height = 17, .text = u"Słownie:", .font = {.size = 10, .bold = true, .italic = true}},
    {.name = "RpLabel20", .left = 120, .top = 47, .width = 51, .height = 20, .text = u"517,67 zł", .font = {.size = 10, .bold = true, .italic = true}},
    {.name = "RpLabel22", .left = 120, .top = 71, .width = 144, .height = 17, .text = u"pię*jed*sie*zł*sze*sie*gr", .font = {.size = 10, .bold = true, .italic = true}},
    {.name = "RpLabel7", .left = 392, .top = 93, .width = 41, .height = 20, .text = u"Razem:", .font = {.size = 8, .bold = true}},
    {.name = "RpLabel8", .left = 448, .top = 93, .width = 74, .height = 20, .text = u"480,36 zł", .font = {.size = 8, .bold = true}, .fixed = true, .stretch = true, .align = taRightJustify},
    {.name = "RpLabel9", .left = 560, .top = 93, .width = 73, .height = 20, .text = u"37,30 zł", .font = {.size = 8, .bold = true}, .fixed = true, .stretch = true, .align = taRightJustify},
    {.name = "RpLabel10", .left = 644, .top = 93, .width = 69, .height = 20, .text = u"517,67 zł", .font = {.size = 8, .bold = true}, .fixed = true, .stretch = true, .align = taRightJustify},
    {.name = "RpLabel34", .left = 532, .top = 22, .width = 20, .height = 13, .text = u"22 %", .font = {.size = 7}},
    {.name = "RpLabel35", .left = 536, .top = 39, .width = 15, .height = 13, .text = u"7 %", .font = {.size = 7}},
    {.name = "RpLabel46", .left = 536, .top = 55, .width = 15, .height = 13, .text = u"3 %", .font = {.size = 7}},
    {.name = "RpLabel53", .left = 536, .top = 71, .width = 15, .height = 13, .text = u"0 %", .font = {.size = 7}},
    {.name = "RpLabel54", .left = 536, .top = 5, .width = 14, .height = 13, .text = u"zw.", .font = {.size = 7}},
};

constexpr Row vatBoxRuleRows[] = {
    {.name = "RpShape6", .kind = Kind::Shape, .left = 527, .top = 0, .width = 1, .height = 88},
    {.name = "RpShape12", .kind = Kind::Shape, .left = 554, .top = 0, .width = 1, .height = 88},
    {.name = "RpShape17", .kind = Kind::Shape, .left = 636, .top = 0, .width = 1, .height = 88},
    {.name = "RpShape18", .kind = Kind::Shape, .left = 440, .top = 18, .width = 278, .height = 1},
    {.name = "RpShape20", .kind = Kind::Shape, .left = 440, .top = 37, .width = 278, .height = 1},
    {.name = "RpShape21", .kind = Kind::Shape, .left = 440, .top = 54, .width = 278, .height = 1},
    {.name = "RpLabel55", .left = 392, .top = 5, .width = 36, .height = 20, .text = u"w tym:", .font = {.size = 8, .bold = true}},
    {.name = "RpLabel32", .left = 448, .top = 5, .width = 74, .height = 13, .text = u"123,50 zł", .font = {.size = 7}, .fixed = true, .align = taRightJustify},
    {.name = "RpLabel56", .left = 448, .top = 22, .width = 74, .height = 13, .text = u"82,10 zł", .font = {.size = 7}, .fixed = true, .align = taRightJustify},
    {.name = "RpLabel57", .left = 448, .top = 39, .width = 74, .height = 13, .text = u"274,76 zł", .font = {.size = 7}, .fixed = true, .align = taRightJustify},
    {.name = "RpLabel58", .left = 448, .top = 56, .width = 74, .height = 13, .text = u"0,00 zł", .font = {.size = 7}, .fixed = true, .align = taRightJustify},
    {.name = "RpLabel59", .left = 448, .top = 71, .width = 74, .height = 13, .text = u"0,00 zł", .font = {.size = 7}, .fixed = true, .align = taRightJustify},
    {.name = "RpLabel60", .left = 560, .top = 5, .width = 74, .height = 13, .text = u"0,00 zł", .font = {.size = 7}, .fixed = true, .align = taRightJustify},
    {.name = "RpLabel61", .left = 560, .top = 22, .width = 74, .height = 13, .text = u"18,06 zł", .font = {.size = 7}, .fixed = true, .align = taRightJustify},
    {.name = "RpLabel62", .left = 560, .top = 39, .width = 74, .height = 13, .text = u"18,06 zł", .font = {.size = 7}, .fixed = true, .align = taRightJustify},
    {.name = "RpLabel63", .left = 560, .top = 56, .width = 74, .height = 13, .text = u"0,00 zł", .font = {.size = 7}, .fixed = true, .align = taRightJustify},
    {.name = "RpLabel64", .left = 560, .top = 71, .width = 74, .height = 13, .text = u"0,00 zł", .font = {.size = 7}, .fixed = true, .align = taRightJustify},
    {.name = "RpLabel65", .left = 640, .top = 5, .width = 74, .height = 13, .text = u"123,50 zł", .font = {.size = 7}, .fixed = true, .align = taRightJustify},
    {.name = "RpLabel66", .left = 640, .top = 22, .width = 74, .height = 13, .text = u"100,17 zł", .font = {.size = 7}, .fixed = true, .align = taRightJustify},
    {.name = "RpLabel67", .left = 640, .top = 39, .width = 74, .height = 13, .text = u"100,17 zł", .font = {.size = 7}, .fixed = true, .align = taRightJustify},
    {.name = "RpLabel68", .left = 640, .top = 56, .width = 74, .height = 13, .text = u"0,00 zł", .font = {.size = 7}, .fixed = true, .align = taRightJustify},
    {.name = "RpLabel69", .left = 640, .top = 71, .width = 74, .height = 13, .text = u"0,00 zł", .font = {.size = 7}, .fixed = true, .align = taRightJustify},
    {.name = "RpShape22", .kind = Kind::Shape, .left = 440, .top = 70, .width = 278, .height = 1},
};

constexpr Row footerRows[] = {
    {.name = "RpLabel33", .left = 0, .top = 1, .width = 532, .height = 14, .text = invoiceNotice, .font = {.size = 6}},
};

// The goods table's rules, drawn before its labels.
constexpr Row ruleRows[] = {
    {.name = "RpShape7", .kind = Kind::Shape, .left = 25, .top = 1, .width = 1, .height = 90, .shape = shVertLine},
    {.name = "RpShape8", .kind = Kind::Shape, .left = 220, .top = 1, .width = 1, .height = 90, .shape = shVertLine},
    {.name = "RpShape9", .kind = Kind::Shape, .left = 284, .top = 1, .width = 1, .height = 90, .shape = shVertLine},
    {.name = "RpShape10", .kind = Kind::Shape, .left = 330, .top = 1, .width = 1, .height = 90, .shape = shVertLine},
    {.name = "RpShape11", .kind = Kind::Shape, .left = 360, .top = 1, .width = 1, .height = 90, .shape = shVertLine},
    {.name = "RpShape13", .kind = Kind::Shape, .left = 440, .top = 1, .width = 1, .height = 90, .shape = shVertLine},
    {.name = "RpShape14", .kind = Kind::Shape, .left = 527, .top = 1, .width = 1, .height = 90, .shape = shVertLine},
    {.name = "RpShape15", .kind = Kind::Shape, .left = 554, .top = 1, .width = 1, .height = 90, .shape = shVertLine},
    {.name = "RpShape16", .kind = Kind::Shape, .left = 636, .top = 1, .width = 1, .height = 90, .shape = shVertLine},
    {.name = "RpShape23", .kind = Kind::Shape, .left = 0, .top = 18, .width = 718, .height = 1},
    {.name = "RpShape24", .kind = Kind::Shape, .left = 0, .top = 36, .width = 718, .height = 1},
    {.name = "RpShape25", .kind = Kind::Shape, .left = 0, .top = 54, .width = 718, .height = 1},
    {.name = "RpShape26", .kind = Kind::Shape, .left = 0, .top = 72, .width = 718, .height = 1},
};

// The goods labels column by column, in drawing order; each column top to bottom.
struct Column {
    std::array<const char*, 5> names;
    std::array<int, 5> lefts;
    std::array<int, 5> widths;
    bool fixed;
    TAlignment align;
    std::array<const char16_t*, 5> texts;
};

constexpr std::array<int, 5> rowTops = {3, 21, 38, 56, 75};

constexpr Column goodsColumns[] = {
    // Wart. netto
    {{"RpLabel4", "RpLabel27", "RpLabel28", "RpLabel29", "RpLabel30"}, {448, 448, 448, 448, 448}, {74, 74, 74, 74, 74}, true, taRightJustify,
     {u"123,50 zł", u"274,76 zł", u"23,76 zł", u"12,89 zł", u"45,45 zł"}},
    // VAT
    {{"RpLabel70", "RpLabel71", "RpLabel72", "RpLabel73", "RpLabel74"}, {537, 537, 532, 532, 532}, {14, 15, 20, 20, 20}, false, taLeftJustify,
     {u"zw.", u"7 %", u"22 %", u"22 %", u"22 %"}},
    // Kwota VAT
    {{"RpLabel75", "RpLabel76", "RpLabel77", "RpLabel78", "RpLabel79"}, {560, 560, 560, 560, 560}, {74, 74, 74, 74, 74}, true, taRightJustify,
     {u"0,00 zł", u"19,23 zł", u"5,23 zł", u"2,84 zł", u"10,00 zł"}},
    // Brutto
    {{"RpLabel80", "RpLabel81", "RpLabel82", "RpLabel83", "RpLabel84"}, {640, 640, 640, 640, 640}, {74, 74, 74, 74, 74}, true, taRightJustify,
     {u"123,50 zł", u"294,00 zł", u"28,99 zł", u"15,73 zł", u"55,45 zł"}},
    // Cena netto
    {{"RpLabel85", "RpLabel86", "RpLabel87", "RpLabel88", "RpLabel89"}, {363, 363, 363, 363, 363}, {74, 74, 74, 74, 74}, true, taRightJustify,
     {u"123,50 zł", u"274,76 zł", u"23,76 zł", u"12,89 zł", u"45,45 zł"}},
    // Nazwa
    {{"RpLabel90", "RpLabel91", "RpLabel92", "RpLabel93", "RpLabel94"}, {29, 29, 29, 29, 29}, {74, 140, 124, 74, 180}, true, taLeftJustify,
     {u"książka", u"Magazyn Komputerowy", u"kabel sieciowy", u"modem", u"drukarka laserowa Cannon 4120"}},
    // Lp
    {{"RpLabel95", "RpLabel96", "RpLabel97", "RpLabel98", "RpLabel99"}, {5, 5, 5, 5, 5}, {12, 12, 12, 12, 12}, true, taLeftJustify,
     {u"1", u"2", u"3", u"4", u"5"}},
    // PKWiU
    {{"RpLabel100", "RpLabel101", "RpLabel102", "RpLabel103", "RpLabel104"}, {229, 229, 229, 229, 229}, {52, 52, 52, 52, 52}, true, taLeftJustify,
     {u"786-867", u"445\\A-344", u"454545", u"56-565-56", u"23\\344\\545"}},
    // Ilość
    {{"RpLabel105", "RpLabel106", "RpLabel107", "RpLabel108", "RpLabel109"}, {320, 320, 320, 320, 320}, {6, 6, 6, 6, 6}, false, taLeftJustify,
     {u"1", u"1", u"1", u"1", u"1"}},
    // Jm
    {{"RpLabel110", "RpLabel111", "RpLabel112", "RpLabel113", "RpLabel114"}, {336, 336, 336, 336, 336}, {14, 14, 17, 14, 14}, false, taLeftJustify,
     {u"szt.", u"szt.", u"metr", u"szt.", u"szt."}},
};
// clang-format on

const std::vector<Row>& goodsRows() {
    static const std::vector<Row> rows = [] {
        std::vector<Row> out(std::begin(ruleRows), std::end(ruleRows));
        for (const Column& column : goodsColumns)
            for (size_t i = 0; i < 5; ++i)
                out.push_back({.name = column.names[i],
                               .left = column.lefts[i],
                               .top = rowTops[i],
                               .width = column.widths[i],
                               .height = 13,
                               .text = column.texts[i],
                               .font = {.size = 7},
                               .fixed = column.fixed,
                               .align = column.align});
        return out;
    }();
    return rows;
}

} // namespace

std::span<const Row> pageHeader() {
    return headerRows;
}
std::span<const Row> goods() {
    return goodsRows();
}
std::span<const Row> pageFooter() {
    return footerRows;
}
std::span<const Row> vatBox() {
    return vatBoxRows;
}
std::span<const Row> remarks() {
    return remarksRows;
}
std::span<const Row> amounts() {
    return amountRows;
}
std::span<const Row> vatBoxRules() {
    return vatBoxRuleRows;
}

void build(TReport& report, int headingHeight, std::span<const Row> headings, int totalsHeight,
           std::initializer_list<std::span<const Row>> totals, std::span<const Row> headerChanges) {
    setA4(report, poPortrait);
    report.PrintIfEmpty = true;
    report.Font = {.Name = QStringLiteral("Times New Roman"), .Size = 10, .Bold = true, .Italic = true};
    report.PrinterSettings.OutputBin = TRpOutputBin::Last;

    // clang-format off
    const BandRow bands[] = {
        {.name = "RpBand1", .type = rbPageHeader, .height = 379, .forceNewPage = true, .forceNewColumn = true},
        {.name = "RpGroup1", .cls = BandClass::Group, .type = rbGroupHeader, .height = headingHeight, .frame = {.bottom = true}},
        {.name = "RpSubDetail1", .cls = BandClass::SubDetail, .type = rbSubDetail, .height = 90, .frame = {.top = true, .left = true, .right = true},
         .header = "RpGroup1", .footer = "GroupFooterBand1", .printBefore = false, .printIfEmpty = true},
        {.name = "GroupFooterBand1", .type = rbGroupFooter, .height = totalsHeight, .frame = {.top = true}},
        {.name = "RpBand2", .type = rbPageFooter, .height = 16, .alignToBottom = true},
    };
    // clang-format on
    for (const BandRow& row : bands)
        addBand(report, row);
    linkBands(report, bands);

    TRpBand& header = *report.findBand(QStringLiteral("RpBand1"));
    for (const Row& row : pageHeader()) {
        const Row* changed = &row;
        for (const Row& change : headerChanges)
            if (std::string_view(change.name) == row.name)
                changed = &change;
        header.Elements.push_back(makeElement(*changed));
    }
    addElements(*report.findBand(QStringLiteral("RpGroup1")), {headings});
    addElements(*report.findBand(QStringLiteral("RpSubDetail1")), {goods()});
    addElements(*report.findBand(QStringLiteral("GroupFooterBand1")), totals);
    addElements(*report.findBand(QStringLiteral("RpBand2")), {pageFooter()});
}

} // namespace templates::invoice
