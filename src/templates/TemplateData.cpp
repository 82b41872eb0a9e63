#include "templates/TemplateData.h"

namespace templates {

using namespace report;

namespace {

TRpFont fontOf(const Font& f) {
    TRpFont font;
    font.Name = QString::fromLatin1(f.family);
    font.Size = f.size;
    font.Bold = f.bold;
    font.Italic = f.italic;
    font.Underline = f.underline;
    font.Charset = f.charset;
    font.Color = f.color;
    return font;
}

} // namespace

std::unique_ptr<TRpPrintable> makeElement(const Row& row) {
    const QString name = QString::fromLatin1(row.name);
    std::unique_ptr<TRpPrintable> element;
    switch (row.kind) {
    case Kind::Label:
    case Kind::Memo: {
        std::unique_ptr<TRpLabel> label;
        if (row.kind == Kind::Memo) {
            auto memo = std::make_unique<TRpMemo>(name);
            for (const char16_t* line : row.lines)
                memo->Lines << QString::fromUtf16(line);
            label = std::move(memo);
        } else {
            label = std::make_unique<TRpLabel>(name);
        }
        label->Font = fontOf(row.font);
        label->AutoSize = !row.fixed;
        label->AutoStretch = row.stretch;
        label->Transparent = row.transparent;
        label->Alignment = row.align;
        label->setPixelBounds(row.left, row.top, row.width, row.height);
        label->setStoredCaption(QString::fromUtf16(row.text));
        element = std::move(label);
        break;
    }
    case Kind::Shape: {
        auto shape = std::make_unique<TRpShape>(name);
        shape->Shape = row.shape;
        shape->Pen.Width = row.pen;
        element = std::move(shape);
        break;
    }
    case Kind::Image: {
        auto image = std::make_unique<TRpImage>(name);
        image->Stretch = row.stretchPicture;
        image->Center = row.center;
        image->AutoSize = row.autoSize;
        element = std::move(image);
        break;
    }
    }
    element->setPixelBounds(row.left, row.top, row.width, row.height);
    return element;
}

void addElements(TRpBand& band, std::initializer_list<std::span<const Row>> tables) {
    for (std::span<const Row> table : tables)
        for (const Row& row : table)
            band.Elements.push_back(makeElement(row));
}

TRpBand& addBand(TReport& report, const BandRow& row) {
    const QString name = QString::fromLatin1(row.name);
    std::unique_ptr<TRpBand> band;
    switch (row.cls) {
    case BandClass::Band:
        band = std::make_unique<TRpBand>(row.type, name);
        break;
    case BandClass::Group: {
        auto group = std::make_unique<TRpGroup>(name);
        group->Master = &report;
        band = std::move(group);
        break;
    }
    case BandClass::SubDetail: {
        auto sub = std::make_unique<TRpSubDetail>(name);
        sub->Master = &report;
        sub->PrintBefore = row.printBefore;
        sub->PrintIfEmpty = row.printIfEmpty;
        band = std::move(sub);
        break;
    }
    }
    band->Height = pxToTenths(row.height);
    band->Frame.DrawTop = row.frame.top;
    band->Frame.DrawBottom = row.frame.bottom;
    band->Frame.DrawLeft = row.frame.left;
    band->Frame.DrawRight = row.frame.right;
    band->AlignToBottom = row.alignToBottom;
    band->ForceNewPage = row.forceNewPage;
    band->ForceNewColumn = row.forceNewColumn;
    return report.addBand(std::move(band));
}

void linkBands(TReport& report, std::span<const BandRow> rows) {
    for (const BandRow& row : rows) {
        auto* sub = dynamic_cast<TRpSubDetail*>(report.findBand(QString::fromLatin1(row.name)));
        if (!sub)
            continue;
        if (row.header)
            sub->HeaderBand = report.findBand(QString::fromLatin1(row.header));
        if (row.footer)
            sub->FooterBand = report.findBand(QString::fromLatin1(row.footer));
    }
}

void setA4(TReport& report, TPrinterOrientation orientation) {
    report.Page.PaperSize = TRpPaperSize::A4;
    report.Page.Orientation = poPortrait;
    report.Page.setValues({100, 2970, 100, 2100, 100, 100, 0});
    report.Page.setOrientation(orientation);
    report.Page.Columns = 1;
    report.Options = {.FirstPageHeader = true, .LastPageFooter = true, .Compression = false};
}

} // namespace templates
