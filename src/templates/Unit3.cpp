#include "templates/Unit3.h"
#include "templates/Invoice.h"

using namespace report;
using namespace templates;

namespace {

constexpr Font western11{.size = 11, .charset = TRpCharset::Western};
constexpr Font arial10Italic{.size = 10, .italic = true, .family = "Arial"};

// clang-format off
constexpr BandRow bands[] = {
    {.name = "RpBand2", .type = rbTitle, .height = 139, .frame = {.bottom = true}},
    {.name = "RpGroup2", .cls = BandClass::Group, .type = rbGroupHeader, .height = 276, .frame = {.bottom = true}},
    {.name = "RpSubDetail2", .cls = BandClass::SubDetail, .type = rbSubDetail, .height = 112,
     .header = "RpGroup2", .footer = "RpBand5", .printBefore = false, .printIfEmpty = true},
    {.name = "RpBand5", .type = rbGroupFooter, .height = 224},
    {.name = "RpBand1", .type = rbPageFooter, .height = 16, .alignToBottom = false},
};

// Title, number, issue date, the word "Oryginał", logo place.
constexpr Row titleRows[] = {
    {.name = "RpLabel16", .left = 300, .top = 19, .width = 119, .height = 32, .text = u"Rachunek", .font = {.size = 20, .bold = true, .charset = TRpCharset::Western}, .align = taCenter},
    {.name = "RpLabel17", .left = 472, .top = 60, .width = 19, .height = 23, .text = u"nr", .font = {.size = 14, .bold = true, .charset = TRpCharset::Western}},
    {.name = "RpLabel45", .left = 472, .top = 87, .width = 110, .height = 22, .text = u"Data wystawienia:", .font = western11, .transparent = true},
    {.name = "RpLabel48", .left = 472, .top = 106, .width = 60, .height = 21, .text = u"Oryginał", .font = {.size = 12, .bold = true, .italic = true}, .transparent = true},
    {.name = "RpImage1", .kind = Kind::Image, .left = 2, .top = 0, .width = 180, .height = 70, .stretchPicture = true, .center = true, .autoSize = true},
    {.name = "RpLabel3", .left = 503, .top = 60, .width = 135, .height = 23, .text = u"02/sierpień/2000", .font = {.size = 14, .bold = true}},
    {.name = "RpLabel6", .left = 590, .top = 87, .width = 65, .height = 21, .text = u"08\\08\\2001", .font = western11, .transparent = true},
};

// Place and dates, payment, seller and buyer, and the goods table's column headings.
constexpr Row headingRows[] = {
    {.name = "RpLabel60", .left = 666, .top = 256, .width = 48, .height = 17, .text = u"Wartość", .font = {.size = 10, .bold = true}},
    {.name = "RpLabel71", .left = 497, .top = 256, .width = 99, .height = 17, .text = u"Cena jednostkowa", .font = {.size = 10, .bold = true}},
    {.name = "RpLabel52", .left = 456, .top = 256, .width = 18, .height = 17, .text = u"Jm", .font = {.size = 10, .bold = true}},
    {.name = "RpLabel51", .left = 416, .top = 256, .width = 27, .height = 17, .text = u"Ilość", .font = {.size = 10, .bold = true}},
    {.name = "RpLabel50", .left = 48, .top = 256, .width = 36, .height = 17, .text = u"Nazwa", .font = {.size = 10, .bold = true}},
    {.name = "RpLabel56", .left = 8, .top = 256, .width = 15, .height = 17, .text = u"Lp", .font = {.size = 10, .bold = true}},
    {.name = "RpLabel62", .left = 368, .top = 64, .width = 62, .height = 20, .text = u"Nabywca", .font = {.size = 12, .bold = true, .italic = true}},
    {.name = "RpLabel61", .left = 9, .top = 64, .width = 79, .height = 20, .text = u"Sprzedawca", .font = {.size = 12, .bold = true, .italic = true}},
    {.name = "RpShape1", .kind = Kind::Shape, .left = 0, .top = 80, .width = 718, .height = 9, .shape = shHorLine, .pen = 2},
    {.name = "RpLabel63", .left = 8, .top = 5, .width = 112, .height = 20, .text = u"Miejsce wystawienia", .font = {.size = 10, .bold = true}},
    {.name = "RpLabel65", .left = 520, .top = 5, .width = 88, .height = 17, .text = u"Forma płatności", .font = {.size = 10, .bold = true}},
    {.name = "RpLabel67", .left = 368, .top = 5, .width = 94, .height = 17, .text = u"Termin płatności", .font = {.size = 10, .bold = true}},
    {.name = "RpLabel69", .left = 184, .top = 5, .width = 83, .height = 20, .text = u"Data sprzedaży", .font = {.size = 10, .bold = true}},
    {.name = "RpMemo1", .kind = Kind::Memo, .left = 9, .top = 90, .width = 352, .height = 151, .font = {.size = 10}, .fixed = true, .stretch = true, .lines = invoice::sellerLines},
    {.name = "RpMemo2", .kind = Kind::Memo, .left = 369, .top = 90, .width = 352, .height = 151, .font = {.size = 10}, .fixed = true, .stretch = true, .lines = invoice::buyerLines},
    {.name = "RpLabel39", .left = 520, .top = 27, .width = 90, .height = 20, .text = u"Karta platnicza", .font = {.size = 11}},
    {.name = "RpLabel41", .left = 368, .top = 27, .width = 65, .height = 20, .text = u"01\\09\\2001", .font = {.size = 11}},
    {.name = "RpLabel5", .left = 184, .top = 27, .width = 65, .height = 19, .text = u"08\\08\\2001", .font = {.size = 11}},
    {.name = "RpLabel37", .left = 8, .top = 27, .width = 49, .height = 20, .text = u"Kraków", .font = {.size = 11}},
};

// The five goods lines: number, name, quantity, unit, unit price, value.
constexpr Row goodsRows[] = {
    {.name = "RpLabel95", .left = 5, .top = 3, .width = 12, .height = 13, .text = u"1", .font = {.size = 7}, .fixed = true},
    {.name = "RpLabel90", .left = 29, .top = 3, .width = 74, .height = 13, .text = u"książka", .font = {.size = 7}, .fixed = true},
    {.name = "RpLabel105", .left = 432, .top = 3, .width = 6, .height = 13, .text = u"1", .font = {.size = 7}},
    {.name = "RpLabel110", .left = 464, .top = 3, .width = 14, .height = 13, .text = u"szt.", .font = {.size = 7}},
    {.name = "RpLabel4", .left = 520, .top = 3, .width = 74, .height = 13, .text = u"123,50 zł", .font = {.size = 7}, .fixed = true, .align = taRightJustify},
    {.name = "RpLabel27", .left = 520, .top = 21, .width = 74, .height = 13, .text = u"274,76 zł", .font = {.size = 7}, .fixed = true, .align = taRightJustify},
    {.name = "RpLabel111", .left = 464, .top = 21, .width = 14, .height = 13, .text = u"szt.", .font = {.size = 7}},
    {.name = "RpLabel106", .left = 432, .top = 21, .width = 6, .height = 13, .text = u"1", .font = {.size = 7}},
    {.name = "RpLabel91", .left = 29, .top = 21, .width = 140, .height = 13, .text = u"Magazyn Komputerowy", .font = {.size = 7}, .fixed = true},
    {.name = "RpLabel96", .left = 5, .top = 21, .width = 12, .height = 13, .text = u"2", .font = {.size = 7}, .fixed = true},
    {.name = "RpLabel97", .left = 5, .top = 38, .width = 12, .height = 13, .text = u"3", .font = {.size = 7}, .fixed = true},
    {.name = "RpLabel92", .left = 29, .top = 38, .width = 124, .height = 13, .text = u"kabel sieciowy", .font = {.size = 7}, .fixed = true},
    {.name = "RpLabel98", .left = 5, .top = 56, .width = 12, .height = 13, .text = u"4", .font = {.size = 7}, .fixed = true},
    {.name = "RpLabel93", .left = 29, .top = 56, .width = 74, .height = 13, .text = u"modem", .font = {.size = 7}, .fixed = true},
    {.name = "RpLabel99", .left = 5, .top = 75, .width = 12, .height = 13, .text = u"5", .font = {.size = 7}, .fixed = true},
    {.name = "RpLabel94", .left = 29, .top = 75, .width = 180, .height = 13, .text = u"drukarka laserowa Cannon 4120", .font = {.size = 7}, .fixed = true},
    {.name = "RpLabel109", .left = 432, .top = 75, .width = 6, .height = 13, .text = u"1", .font = {.size = 7}},
    {.name = "RpLabel108", .left = 432, .top = 56, .width = 6, .height = 13, .text = u"1", .font = {.size = 7}},
    {.name = "RpLabel107", .left = 432, .top = 38, .width = 6, .height = 13, .text = u"1", .font = {.size = 7}},
    {.name = "RpLabel112", .left = 464, .top = 38, .width = 17, .height = 13, .text = u"metr", .font = {.size = 7}},
    {.name = "RpLabel113", .left = 464, .top = 56, .width = 14, .height = 13, .text = u"szt.", .font = {.size = 7}},
    {.name = "RpLabel114", .left = 464, .top = 75, .width = 14, .height = 13, .text = u"szt.", .font = {.size = 7}},
    {.name = "RpLabel28", .left = 520, .top = 38, .width = 74, .height = 13, .text = u"23,76 zł", .font = {.size = 7}, .fixed = true, .align = taRightJustify},
    {.name = "RpLabel29", .left = 520, .top = 56, .width = 74, .height = 13, .text = u"12,89 zł", .font = {.size = 7}, .fixed = true, .align = taRightJustify},
    {.name = "RpLabel30", .left = 520, .top = 75, .width = 74, .height = 13, .text = u"45,45 zł", .font = {.size = 7}, .fixed = true, .align = taRightJustify},
    {.name = "RpLabel1", .left = 640, .top = 3, .width = 74, .height = 13, .text = u"123,50 zł", .font = {.size = 7}, .fixed = true, .align = taRightJustify},
    {.name = "RpLabel2", .left = 640, .top = 21, .width = 74, .height = 13, .text = u"274,76 zł", .font = {.size = 7}, .fixed = true, .align = taRightJustify},
    {.name = "RpLabel7", .left = 640, .top = 38, .width = 74, .height = 13, .text = u"23,76 zł", .font = {.size = 7}, .fixed = true, .align = taRightJustify},
    {.name = "RpLabel8", .left = 640, .top = 56, .width = 74, .height = 13, .text = u"12,89 zł", .font = {.size = 7}, .fixed = true, .align = taRightJustify},
    {.name = "RpLabel9", .left = 640, .top = 75, .width = 74, .height = 13, .text = u"45,45 zł", .font = {.size = 7}, .fixed = true, .align = taRightJustify},
};

// Total, amount due, amount in words, issuing person, remarks.
constexpr Row totalsRows[] = {
    {.name = "RpLabel87", .left = 106, .top = 127, .width = 86, .height = 17, .text = u"Zenon Krępacz", .font = {.size = 9}, .transparent = true, .align = taCenter},
    {.name = "RpLabel83", .left = 48, .top = 142, .width = 195, .height = 17, .text = u"Imię i nazwisko osoby wystawiającej:", .font = {.size = 9, .bold = true}, .transparent = true},
    {.name = "RpShape10", .kind = Kind::Shape, .left = 577, .top = 13, .width = 136, .height = 9, .shape = shHorLine},
    {.name = "RpLabel74", .left = 472, .top = 5, .width = 101, .height = 20, .text = u"Razem wartość:", .font = {.size = 11, .bold = true, .italic = true}},
    {.name = "RpLabel77", .left = 577, .top = 21, .width = 136, .height = 20, .text = u"480,36 zł", .font = {.size = 11, .bold = true, .italic = true}, .fixed = true, .stretch = true, .align = taRightJustify},
    {.name = "RpLabel78", .left = 8, .top = 47, .width = 66, .height = 20, .text = u"Do zapłaty:", .font = arial10Italic},
    {.name = "RpLabel79", .left = 120, .top = 47, .width = 51, .height = 20, .text = u"480,36 zł", .font = {.size = 10, .bold = true, .italic = true}},
    {.name = "RpLabel80", .left = 8, .top = 71, .width = 49, .height = 17, .text = u"Słownie:", .font = arial10Italic},
    {.name = "RpLabel81", .left = 120, .top = 71, .width = 141, .height = 17, .text = u"czt*osi*zer*zł*trz*sze*gr", .font = {.size = 10, .bold = true, .italic = true}},
    {.name = "RpShape11", .kind = Kind::Shape, .left = 8, .top = 214, .width = 705, .height = 9, .shape = shHorLine},
    {.name = "RpLabel82", .left = 8, .top = 198, .width = 40, .height = 17, .text = u"Uwagi:", .font = {.size = 10, .family = "Arial"}},
    {.name = "RpShape2", .kind = Kind::Shape, .left = 49, .top = 142, .width = 193, .height = 1},
};

// clang-format on

} // namespace

TFormRachunek::TFormRachunek(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("FormRachunek"));
    setWindowTitle(QStringLiteral("Rachunek"));
    resize(803, 612);

    setA4(Report1, poPortrait);
    Report1.PrintIfEmpty = true;
    Report1.Font = {.Name = QStringLiteral("MS Sans Serif"), .Size = 10};
    Report1.PrinterSettings.OutputBin = TRpOutputBin::Auto;
    for (const BandRow& row : bands)
        addBand(Report1, row);
    linkBands(Report1, bands);
    addElements(*Report1.findBand(QStringLiteral("RpBand2")), {titleRows});
    addElements(*Report1.findBand(QStringLiteral("RpGroup2")), {headingRows});
    addElements(*Report1.findBand(QStringLiteral("RpSubDetail2")), {goodsRows});
    addElements(*Report1.findBand(QStringLiteral("RpBand5")), {totalsRows});
    addElements(*Report1.findBand(QStringLiteral("RpBand1")), {invoice::pageFooter()});
}

TFormRachunek::~TFormRachunek() = default;
