#include "templates/Unit2.h"
#include "templates/Invoice.h"

using namespace report;
using templates::Kind;
using templates::Row;

namespace {

// clang-format off
constexpr Row headingRows[] = {
    {.name = "RpLabel11", .left = 30, .top = 4, .width = 36, .height = 17, .text = u"Nazwa", .font = {.size = 10, .bold = true}},
    {.name = "RpLabel12", .left = 296, .top = 4, .width = 27, .height = 17, .text = u"Ilość", .font = {.size = 10, .bold = true}},
    {.name = "RpLabel13", .left = 334, .top = 4, .width = 18, .height = 17, .text = u"Jm", .font = {.size = 10, .bold = true}},
    {.name = "RpLabel14", .left = 2, .top = 4, .width = 15, .height = 17, .text = u"Lp", .font = {.size = 10, .bold = true}},
    {.name = "RpLabel15", .left = 454, .top = 4, .width = 63, .height = 17, .text = u"Wart. netto", .font = {.size = 10, .bold = true}},
    {.name = "RpLabel16", .left = 528, .top = 4, .width = 27, .height = 17, .text = u"VAT", .font = {.size = 10, .bold = true}},
    {.name = "RpLabel17", .left = 565, .top = 4, .width = 63, .height = 17, .text = u"Kwota VAT", .font = {.size = 10, .bold = true}},
    {.name = "RpLabel18", .left = 672, .top = 4, .width = 38, .height = 17, .text = u"Brutto", .font = {.size = 10, .bold = true}, .fixed = true, .stretch = true, .align = taRightJustify},
    {.name = "RpLabel43", .left = 374, .top = 4, .width = 59, .height = 17, .text = u"Cena netto", .font = {.size = 10, .bold = true}},
    {.name = "RpLabel26", .left = 235, .top = 4, .width = 43, .height = 16, .text = u"PKWiU", .font = {.size = 10, .bold = true}},
};

constexpr Row signatureRows[] = {
    {.name = "RpShape2", .kind = Kind::Shape, .left = 40, .top = 169, .width = 190, .height = 2, .shape = shHorLine, .pen = 2},
    {.name = "RpShape19", .kind = Kind::Shape, .left = 496, .top = 169, .width = 190, .height = 2, .shape = shHorLine, .pen = 2},
    {.name = "RpLabel47", .left = 496, .top = 174, .width = 192, .height = 17, .text = u"Imię i nazwisko osoby upoważnionej", .font = {.size = 9, .bold = true}, .transparent = true},
    {.name = "RpLabel48", .left = 496, .top = 189, .width = 129, .height = 17, .text = u"do odbioru faktury VAT:", .font = {.size = 9, .bold = true}, .transparent = true},
    {.name = "RpLabel44", .left = 40, .top = 174, .width = 192, .height = 17, .text = u"Imię i nazwisko osoby upoważnionej", .font = {.size = 9, .bold = true}, .transparent = true},
    {.name = "RpLabel45", .left = 40, .top = 189, .width = 153, .height = 17, .text = u"do wystawienia faktury VAT:", .font = {.size = 9, .bold = true}, .transparent = true},
};

constexpr Row nameRows[] = {
    {.name = "RpLabel49", .left = 94, .top = 147, .width = 80, .height = 17, .text = u"Jerzy Kalinek", .font = {.size = 10, .italic = true}, .align = taCenter},
    {.name = "RpLabel50", .left = 559, .top = 146, .width = 79, .height = 17, .text = u"Roman Wiśniak", .font = {.size = 10, .italic = true}, .align = taCenter},
};
// clang-format on

} // namespace

TFormVat::TFormVat(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("FormVat"));
    setWindowTitle(QStringLiteral("Faktura VAT"));
    resize(812, 605);

    namespace inv = templates::invoice;
    inv::build(Report1, 23, headingRows, 251,
               {inv::vatBox(), signatureRows, inv::remarks(), inv::amounts(), nameRows, inv::vatBoxRules()});
    RpLabel31 = Report1.find<TRpLabel>(QStringLiteral("RpLabel31"));
    Report1.OnStartPage = [this](TReport& sender) { Report1StartPage(sender); };
}

TFormVat::~TFormVat() = default;

void TFormVat::setCorrectionTitleSource(std::function<QString()> source) {
    correctionTitleSource_ = std::move(source);
}

void TFormVat::Report1StartPage(TReport& Sender) {
    RpLabel31->setCaption(QString::asprintf("strona %d", Sender.PageNumber()));
    correctionTitle_ = correctionTitleSource_ ? correctionTitleSource_() : QString();
}
