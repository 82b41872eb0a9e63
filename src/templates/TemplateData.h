#pragma once
// Templates are data: one row per band and per element, positions and sizes in pixels of the
// 96 dpi design grid, so that each table reads like the document's layout.
#include "report/Model.h"

#include <initializer_list>
#include <span>

namespace templates {

enum class Kind { Label, Memo, Shape, Image };

struct Font {
    int size = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    report::TRpCharset charset = report::TRpCharset::CentralEuropean;
    const char* family = "Times New Roman";
    QRgb color = report::clBlack;
};

struct Row {
    const char* name;
    Kind kind = Kind::Label;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    const char16_t* text = u"";
    Font font = {};
    // labels and memos
    bool fixed = false; // auto-size off
    bool stretch = false;
    bool transparent = false;
    report::TAlignment align = report::taLeftJustify;
    std::span<const char16_t* const> lines = {}; // memo
    // shapes
    report::TShapeType shape = report::shRectangle;
    int pen = 1;
    // pictures
    bool stretchPicture = false;
    bool center = false;
    bool autoSize = false;
};

struct Frame {
    bool top = false;
    bool bottom = false;
    bool left = false;
    bool right = false;
};

enum class BandClass { Band, Group, SubDetail };

struct BandRow {
    const char* name;
    BandClass cls = BandClass::Band;
    report::TRpBandType type = report::rbDetail;
    int height = 0;
    Frame frame = {};
    bool alignToBottom = false;
    bool forceNewPage = false;
    bool forceNewColumn = false;
    // sub-detail
    const char* header = nullptr;
    const char* footer = nullptr;
    bool printBefore = false;
    bool printIfEmpty = false;
};

// An element from its row.
std::unique_ptr<report::TRpPrintable> makeElement(const Row& row);

// Adds the rows' elements to the band, table after table, in order.
void addElements(report::TRpBand& band, std::initializer_list<std::span<const Row>> tables);

// Adds a band; sub-details and groups get the report as master, header and footer links are
// made once every band exists (linkBands).
report::TRpBand& addBand(report::TReport& report, const BandRow& row);
void linkBands(report::TReport& report, std::span<const BandRow> rows);

// The page and defaults shared by the portrait documents: A4, 10 mm margins.
void setA4(report::TReport& report, report::TPrinterOrientation orientation);

} // namespace templates
