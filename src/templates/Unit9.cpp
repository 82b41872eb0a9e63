#include "templates/Unit9.h"
#include "templates/PrintNotice.h"
#include "templates/TemplateData.h"

#include <QPainter>
#include <cmath>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

using namespace report;
using namespace templates;

namespace {

constexpr Font caption{.size = 6, .charset = TRpCharset::Default, .family = "Arial", .color = clRed};
constexpr Font amount{.size = 9, .family = "Arial"};
constexpr Font notice{.size = 5, .family = "Arial", .color = clRed};

// clang-format off
// Top-left quarter: the post office's copy.
constexpr Row topLeft[] = {
    {.name = "RpImage9", .kind = Kind::Image, .left = 9, .top = 11, .width = 552, .height = 382},
    {.name = "RpImage1", .kind = Kind::Image, .left = 9, .top = 11, .width = 552, .height = 382, .autoSize = true},
    {.name = "RpLabel1", .left = 38, .top = 15, .width = 54, .height = 11, .text = u"nazwa odbiorcy", .font = caption},
    {.name = "RpLabel2", .left = 38, .top = 44, .width = 66, .height = 11, .text = u"nazwa odbiorcy cd.", .font = caption},
    {.name = "RpLabel9", .left = 38, .top = 76, .width = 11, .height = 11, .text = u"l.k.", .font = caption},
    {.name = "RpLabel10", .left = 75, .top = 76, .width = 72, .height = 11, .text = u"nr rachunku odbiorcy", .font = caption},
    {.name = "RpLabel12", .left = 316, .top = 107, .width = 23, .height = 11, .text = u"kwota:", .font = caption},
    {.name = "RpImage5", .kind = Kind::Image, .left = 536, .top = 107, .width = 16, .height = 116, .autoSize = true},
    {.name = "RpLabel3", .left = 38, .top = 138, .width = 49, .height = 11, .text = u"kwota słownie", .font = caption},
    {.name = "Kwota1", .left = 35, .top = 147, .width = 93, .height = 17, .text = u"jeden*dwa*trzy zł", .font = amount},
    {.name = "RpLabel4", .left = 38, .top = 168, .width = 75, .height = 11, .text = u"nazwa zleceniodawcy", .font = caption},
    {.name = "RpLabel5", .left = 38, .top = 199, .width = 87, .height = 11, .text = u"nazwa zleceniodawcy cd.", .font = caption},
    {.name = "RpLabel6", .left = 38, .top = 231, .width = 26, .height = 11, .text = u"tytułem", .font = caption},
    {.name = "RpLabel7", .left = 38, .top = 262, .width = 38, .height = 11, .text = u"tytułem cd.", .font = caption},
    {.name = "RpLabel13", .left = 306, .top = 338, .width = 25, .height = 11, .text = u"Opłata:", .font = caption},
    {.name = "RpLabel11", .left = 306, .top = 363, .width = 23, .height = 11, .text = u"waluta", .font = caption},
    {.name = "RpLabel73", .left = 31, .top = 381, .width = 257, .height = 8, .text = transferNotice, .font = notice},
};

// Top-right quarter: the bank's copy.
constexpr Row topRight[] = {
    {.name = "RpImage3", .kind = Kind::Image, .left = 559, .top = 11, .width = 552, .height = 382},
    {.name = "RpLabel14", .left = 588, .top = 15, .width = 54, .height = 11, .text = u"nazwa odbiorcy", .font = caption},
    {.name = "RpLabel15", .left = 588, .top = 44, .width = 66, .height = 11, .text = u"nazwa odbiorcy cd.", .font = caption},
    {.name = "RpLabel16", .left = 588, .top = 76, .width = 11, .height = 11, .text = u"l.k.", .font = caption},
    {.name = "RpLabel17", .left = 625, .top = 76, .width = 72, .height = 11, .text = u"nr rachunku odbiorcy", .font = caption},
    {.name = "RpLabel19", .left = 866, .top = 107, .width = 23, .height = 11, .text = u"kwota:", .font = caption},
    {.name = "RpLabel20", .left = 588, .top = 138, .width = 49, .height = 11, .text = u"kwota słownie", .font = caption},
    {.name = "RpImage8", .kind = Kind::Image, .left = 1089, .top = 144, .width = 11, .height = 110, .autoSize = true},
    {.name = "Kwota2", .left = 587, .top = 147, .width = 93, .height = 17, .text = u"jeden*dwa*trzy zł", .font = amount},
    {.name = "RpLabel21", .left = 588, .top = 168, .width = 75, .height = 11, .text = u"nazwa zleceniodawcy", .font = caption},
    {.name = "RpLabel22", .left = 588, .top = 199, .width = 87, .height = 11, .text = u"nazwa zleceniodawcy cd.", .font = caption},
    {.name = "RpLabel23", .left = 588, .top = 231, .width = 26, .height = 11, .text = u"tytułem", .font = caption},
    {.name = "RpLabel24", .left = 588, .top = 262, .width = 38, .height = 11, .text = u"tytułem cd.", .font = caption},
    {.name = "RpLabel26", .left = 856, .top = 338, .width = 25, .height = 11, .text = u"Opłata:", .font = caption},
    {.name = "RpLabel18", .left = 856, .top = 363, .width = 23, .height = 11, .text = u"waluta", .font = caption},
    {.name = "RpLabel8", .left = 581, .top = 381, .width = 257, .height = 8, .text = transferNotice, .font = notice},
};

// Bottom-left quarter: the payer's copy.
constexpr Row bottomLeft[] = {
    {.name = "RpImage2", .kind = Kind::Image, .left = 9, .top = 391, .width = 552, .height = 382, .autoSize = true},
    {.name = "RpLabel27", .left = 38, .top = 395, .width = 54, .height = 11, .text = u"nazwa odbiorcy", .font = caption},
    {.name = "RpLabel28", .left = 38, .top = 424, .width = 66, .height = 11, .text = u"nazwa odbiorcy cd.", .font = caption},
    {.name = "RpLabel29", .left = 38, .top = 456, .width = 11, .height = 11, .text = u"l.k.", .font = caption},
    {.name = "RpLabel30", .left = 75, .top = 456, .width = 72, .height = 11, .text = u"nr rachunku odbiorcy", .font = caption},
    {.name = "RpLabel32", .left = 316, .top = 488, .width = 23, .height = 11, .text = u"kwota:", .font = caption},
    {.name = "RpImage6", .kind = Kind::Image, .left = 536, .top = 499, .width = 18, .height = 161},
    {.name = "RpLabel33", .left = 38, .top = 518, .width = 49, .height = 11, .text = u"kwota słownie", .font = caption},
    {.name = "Kwota3", .left = 35, .top = 527, .width = 93, .height = 17, .text = u"jeden*dwa*trzy zł", .font = amount},
    {.name = "RpLabel34", .left = 38, .top = 548, .width = 75, .height = 11, .text = u"nazwa zleceniodawcy", .font = caption},
    {.name = "RpLabel35", .left = 38, .top = 579, .width = 87, .height = 11, .text = u"nazwa zleceniodawcy cd.", .font = caption},
    {.name = "RpLabel36", .left = 38, .top = 611, .width = 26, .height = 11, .text = u"tytułem", .font = caption},
    {.name = "RpLabel37", .left = 38, .top = 642, .width = 38, .height = 11, .text = u"tytułem cd.", .font = caption},
    {.name = "RpLabel39", .left = 306, .top = 717, .width = 25, .height = 11, .text = u"Opłata:", .font = caption},
    {.name = "RpLabel31", .left = 306, .top = 744, .width = 23, .height = 11, .text = u"waluta", .font = caption},
    {.name = "RpLabel25", .left = 31, .top = 761, .width = 257, .height = 8, .text = transferNotice, .font = notice},
};

// Bottom-right quarter: the account holder's copy.
constexpr Row bottomRight[] = {
    {.name = "RpImage4", .kind = Kind::Image, .left = 559, .top = 391, .width = 552, .height = 382, .autoSize = true},
    {.name = "RpLabel40", .left = 588, .top = 395, .width = 54, .height = 11, .text = u"nazwa odbiorcy", .font = caption},
    {.name = "RpLabel41", .left = 588, .top = 424, .width = 66, .height = 11, .text = u"nazwa odbiorcy cd.", .font = caption},
    {.name = "RpLabel42", .left = 588, .top = 456, .width = 11, .height = 11, .text = u"l.k.", .font = caption},
    {.name = "RpLabel43", .left = 625, .top = 456, .width = 72, .height = 11, .text = u"nr rachunku odbiorcy", .font = caption},
    {.name = "RpLabel45", .left = 866, .top = 488, .width = 23, .height = 11, .text = u"kwota:", .font = caption},
    {.name = "RpImage7", .kind = Kind::Image, .left = 1089, .top = 499, .width = 14, .height = 201, .autoSize = true},
    {.name = "RpLabel46", .left = 588, .top = 518, .width = 49, .height = 11, .text = u"kwota słownie", .font = caption},
    {.name = "Kwota4", .left = 587, .top = 527, .width = 93, .height = 17, .text = u"jeden*dwa*trzy zł", .font = amount},
    {.name = "RpLabel47", .left = 588, .top = 548, .width = 75, .height = 11, .text = u"nazwa zleceniodawcy", .font = caption},
    {.name = "RpLabel48", .left = 588, .top = 579, .width = 87, .height = 11, .text = u"nazwa zleceniodawcy cd.", .font = caption},
    {.name = "RpLabel49", .left = 588, .top = 611, .width = 26, .height = 11, .text = u"tytułem", .font = caption},
    {.name = "RpLabel50", .left = 588, .top = 642, .width = 38, .height = 11, .text = u"tytułem cd.", .font = caption},
    {.name = "RpLabel52", .left = 856, .top = 717, .width = 25, .height = 11, .text = u"Opłata:", .font = caption},
    {.name = "RpLabel44", .left = 856, .top = 744, .width = 23, .height = 11, .text = u"waluta", .font = caption},
    {.name = "RpLabel38", .left = 581, .top = 761, .width = 257, .height = 8, .text = transferNotice, .font = notice},
};
// clang-format on

// Every label lies over the pictures: the drawing order across the four quarters.
constexpr const char* drawingOrder[] = {
    "RpImage9",  "RpImage1",  "RpLabel1",  "RpImage2",  "RpImage3",  "RpImage4",  "RpLabel2",  "RpLabel3",
    "RpLabel4",  "RpLabel5",  "RpLabel6",  "RpLabel7",  "RpLabel9",  "RpLabel10", "RpLabel11", "RpLabel12",
    "RpLabel13", "RpLabel14", "RpLabel15", "RpLabel16", "RpLabel17", "RpLabel18", "RpLabel19", "RpLabel20",
    "RpLabel21", "RpLabel22", "RpLabel23", "RpLabel24", "RpLabel26", "RpLabel27", "RpLabel28", "RpLabel29",
    "RpLabel30", "RpLabel31", "RpLabel32", "RpLabel33", "RpLabel34", "RpLabel35", "RpLabel36", "RpLabel37",
    "RpLabel39", "RpLabel40", "RpLabel41", "RpLabel42", "RpLabel43", "RpLabel44", "RpLabel45", "RpLabel46",
    "RpLabel47", "RpLabel48", "RpLabel49", "RpLabel50", "RpLabel52", "RpImage5",  "RpImage6",  "RpImage7",
    "RpImage8",  "Kwota1",    "Kwota2",    "Kwota3",    "Kwota4",    "RpLabel73", "RpLabel8",  "RpLabel38",
    "RpLabel25",
};

const Row& rowNamed(std::string_view name) {
    for (std::span<const Row> quarter : {std::span<const Row>(topLeft), std::span<const Row>(topRight),
                                         std::span<const Row>(bottomLeft), std::span<const Row>(bottomRight)})
        for (const Row& row : quarter)
            if (name == row.name)
                return row;
    throw std::logic_error("transfer form: no element " + std::string(name));
}

QImage picture(const char* path) {
    return QImage(QString::fromLatin1(path));
}

} // namespace

TPoczta::TPoczta(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("Poczta"));
    setWindowTitle(QStringLiteral("Poczta"));
    resize(684, 488);

    setA4(Report1, poLandscape);
    Report1.PrintIfEmpty = false;
    Report1.Font = {.Name = QStringLiteral("Arial"), .Size = 10, .Charset = TRpCharset::Default};
    Report1.PrinterSettings.OutputBin = TRpOutputBin::First;
    for (const char* name : drawingOrder)
        Report1.Printables.push_back(makeElement(rowNamed(name)));

    RpImage9 = Report1.find<TRpImage>(QStringLiteral("RpImage9"));
    RpImage1 = Report1.find<TRpImage>(QStringLiteral("RpImage1"));
    RpImage2 = Report1.find<TRpImage>(QStringLiteral("RpImage2"));
    RpImage3 = Report1.find<TRpImage>(QStringLiteral("RpImage3"));
    RpImage4 = Report1.find<TRpImage>(QStringLiteral("RpImage4"));
    RpImage9->Picture = picture(":/forms/form.bmp");
    Report1.find<TRpImage>(QStringLiteral("RpImage5"))->Picture = picture(":/forms/copy-post-office.bmp");
    Report1.find<TRpImage>(QStringLiteral("RpImage8"))->Picture = picture(":/forms/copy-bank.bmp");
    Report1.find<TRpImage>(QStringLiteral("RpImage6"))->Picture = picture(":/forms/copy-payer.bmp");
    Report1.find<TRpImage>(QStringLiteral("RpImage7"))->Picture = picture(":/forms/copy-account-holder.bmp");
}

TPoczta::~TPoczta() = default;

void TPoczta::CopyFormPicture() {
    const QRect copy(0, 0, int(std::lround(tenthsToPx(RpImage1->Width))),
                     int(std::lround(tenthsToPx(RpImage1->Height))));
    for (TRpImage* target : {RpImage1, RpImage2, RpImage3, RpImage4}) {
        if (target->Picture.isNull()) {
            // A new blank bitmap of the element's own size; the strips the form picture does
            // not reach stay white.
            QImage blank(int(std::lround(tenthsToPx(target->Width))),
                         int(std::lround(tenthsToPx(target->Height))), QImage::Format_RGB32);
            blank.fill(Qt::white);
            target->Picture = blank;
        }
        QPainter painter(&target->Picture);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        // Pixel for pixel, no scaling; only what the form picture covers.
        const QRect source = copy & RpImage9->Picture.rect();
        painter.drawImage(source.topLeft(), RpImage9->Picture, source);
    }
}
