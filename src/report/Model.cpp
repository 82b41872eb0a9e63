#include "report/Model.h"
#include "report/TextMetrics.h"

#include <algorithm>
#include <cmath>

namespace report {

int roundTenths(double tenths) {
    // The default floating-point rounding mode rounds halves to even.
    return int(std::nearbyint(tenths));
}

int paperSourceCode(TRpOutputBin bin) {
    switch (bin) {
    case TRpOutputBin::First:
    case TRpOutputBin::Upper:
        return 1;
    case TRpOutputBin::Lower:
        return 2;
    case TRpOutputBin::Middle:
        return 3;
    case TRpOutputBin::Manual:
        return 4;
    case TRpOutputBin::Envelope:
        return 5;
    case TRpOutputBin::EnvManual:
        return 6;
    case TRpOutputBin::Auto:
        return 7;
    case TRpOutputBin::Tractor:
        return 8;
    case TRpOutputBin::SmallFormat:
        return 9;
    case TRpOutputBin::LargeFormat:
        return 10;
    case TRpOutputBin::LargeCapacity:
        return 11;
    case TRpOutputBin::Cassette:
    case TRpOutputBin::Last:
        return 14;
    }
    return 1;
}

int TRpFont::pixelHeight() const {
    return int(std::lround(Size * 96.0 / 72.0));
}

TRpPrintable::TRpPrintable(Kind kind, QString name)
    : Name(std::move(name))
    , kind_(kind) {}

TRpPrintable::~TRpPrintable() = default;

void TRpPrintable::setPixelBounds(double left, double top, double width, double height) {
    Left = pxToTenths(left);
    Top = pxToTenths(top);
    Width = pxToTenths(width);
    Height = pxToTenths(height);
}

TRpLabel::TRpLabel(QString name)
    : TRpLabel(Kind::Label, std::move(name)) {}

TRpLabel::TRpLabel(Kind kind, QString name)
    : TRpPrintable(kind, std::move(name)) {}

void TRpLabel::setCaption(const QString& caption) {
    caption_ = caption;
    applyAutoSize();
}

QStringList TRpLabel::textLines() const {
    QString text = caption_;
    text.remove(QLatin1Char('\n'));
    return text.split(QLatin1Char('\r'));
}

void TRpLabel::applyAutoSize() {
    if (!AutoSize)
        return;
    const TextFont font = textFont(Font);
    double widest = 0;
    for (const QString& line : textLines())
        widest = std::max(widest, metrics::width(font, line));
    double widthPx = widest + 1;
    if (Frame.DrawLeft)
        widthPx += Frame.Width;
    if (Frame.DrawRight)
        widthPx += Frame.Width;
    const double newWidth = pxToTenths(widthPx);
    switch (Alignment) {
    case taLeftJustify:
        break;
    case taRightJustify:
        Left += Width - newWidth;
        break;
    case taCenter:
        Left += (Width - newWidth) / 2;
        break;
    }
    Width = newWidth;
    Height = std::max(Height, pxToTenths(metrics::lineHeight(font) + 1));
}

TRpMemo::TRpMemo(QString name)
    : TRpLabel(Kind::Memo, std::move(name)) {}

TRpShape::TRpShape(QString name)
    : TRpPrintable(Kind::Shape, std::move(name)) {
    setPixelBounds(0, 0, 65, 65);
}

TRpImage::TRpImage(QString name)
    : TRpPrintable(Kind::Image, std::move(name)) {
    setPixelBounds(0, 0, 105, 105);
}

TRpBand::TRpBand(TRpBandType type, QString name)
    : Name(std::move(name))
    , BandType(type) {}

TRpBand::~TRpBand() = default;

TRpGroup::TRpGroup(QString name)
    : TRpBand(rbGroupHeader, std::move(name)) {}

TRpSubDetail::TRpSubDetail(QString name)
    : TRpBand(rbSubDetail, std::move(name)) {}

std::array<double, 7> TRpPage::Values() const {
    return {BottomMargin, Length, TopMargin, Width, LeftMargin, RightMargin, ColumnSpace};
}

void TRpPage::setValues(const std::array<double, 7>& v) {
    BottomMargin = v[0];
    Length = v[1];
    TopMargin = v[2];
    Width = v[3];
    LeftMargin = v[4];
    RightMargin = v[5];
    ColumnSpace = v[6];
}

void TRpPage::setOrientation(TPrinterOrientation orientation) {
    if (orientation == Orientation)
        return;
    Orientation = orientation;
    std::swap(Length, Width);
}

TReport::TReport() = default;
TReport::~TReport() = default;

double TReport::bandWidth() const {
    const int columns = std::max(1, Page.Columns);
    return (Page.Width - Page.LeftMargin - Page.RightMargin - (columns - 1) * Page.ColumnSpace) / columns;
}

TRpBand* TReport::findBand(const QString& name) const {
    for (const auto& band : Bands)
        if (band->Name == name)
            return band.get();
    return nullptr;
}

TRpPrintable* TReport::findPrintable(const QString& name) const {
    for (const auto& band : Bands)
        for (const auto& element : band->Elements)
            if (element->Name == name)
                return element.get();
    for (const auto& element : Printables)
        if (element->Name == name)
            return element.get();
    return nullptr;
}

} // namespace report
