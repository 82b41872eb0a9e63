#pragma once
// The report page model: a report object describes one sheet of paper, the bands stacked down
// it and the elements on the bands or directly on the page. All printed geometry is in tenths
// of a millimetre.
#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace report {

class PageStore;
class TReport;

// Design grid: templates are drawn in pixels of a 96 dpi grid.
inline constexpr double pxToTenths(double px) {
    return px * 254.0 / 96.0;
}
inline constexpr double tenthsToPx(double tenths) {
    return tenths * 96.0 / 254.0;
}
inline constexpr double pointsToTenths(double points) {
    return points * 254.0 / 72.0;
}
// Whole tenths, halves to the even neighbour.
int roundTenths(double tenths);

enum TRpBandType {
    rbTitle,
    rbPageHeader,
    rbDetail,
    rbPageFooter,
    rbSummary,
    rbGroupHeader,
    rbGroupFooter,
    rbSubDetail,
    rbColumnHeader,
    rbOverlay,
    rbChild,
};

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

enum TShapeType { shRectangle, shCircle, shVertLine, shHorLine, shTopAndBottom, shRightAndLeft };

enum TPrinterOrientation { poPortrait, poLandscape };

enum class TRpPaperSize {
    Default,
    Letter,
    LetterSmall,
    Tabloid,
    Ledger,
    Legal,
    Statement,
    Executive,
    A3,
    A4,
    A4Small,
    A5,
    B4,
    B5,
    Folio,
    Quarto,
    Size10X14,
    Size11X17,
    Note,
    Env9,
    Env10,
    Env11,
    Env12,
    Env14,
    CSheet,
    DSheet,
    ESheet,
    Custom,
};

enum class TRpOutputBin {
    First,
    Upper,
    Lower,
    Middle,
    Manual,
    Envelope,
    EnvManual,
    Auto,
    Tractor,
    SmallFormat,
    LargeFormat,
    LargeCapacity,
    Cassette,
    Last,
};
// The paper-source code a printer driver expects for a tray.
int paperSourceCode(TRpOutputBin bin);

enum class TRpUnits { MM, Inches, Pixels, Characters, Native };

// Central European is code page 1250, Western 1252; our texts are Unicode, so the set only
// travels with the font for completeness.
enum class TRpCharset { Default, CentralEuropean, Western };

inline constexpr QRgb clBlack = 0xff000000;
inline constexpr QRgb clWhite = 0xffffffff;
inline constexpr QRgb clRed = 0xffff0000;

struct TRpFrame {
    bool DrawTop = false;
    bool DrawBottom = false;
    bool DrawLeft = false;
    bool DrawRight = false;
    QRgb Color = clBlack;
    double Width = 1; // points
    bool any() const { return DrawTop || DrawBottom || DrawLeft || DrawRight; }
};

struct TRpFont {
    QString Name = QStringLiteral("Times New Roman");
    int Size = 10; // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    QRgb Color = clBlack;
    TRpCharset Charset = TRpCharset::CentralEuropean;
    // Character height on the 96 dpi grid (10 pt is 13 px).
    int pixelHeight() const;
};

struct TRpPen {
    QRgb Color = clBlack;
    int Width = 1; // pixels of the output device
    Qt::PenStyle Style = Qt::SolidLine;
};

struct TRpBrush {
    QRgb Color = clWhite;
    Qt::BrushStyle Style = Qt::SolidPattern;
};

// Anything printed on a band or on the page.
class TRpPrintable {
public:
    enum class Kind { Label, Memo, Shape, Image };

    virtual ~TRpPrintable();
    Kind kind() const { return kind_; }

    QString Name;
    // Relative to the band's top-left corner, or to the paper's for a page-level element.
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
    TRpFrame Frame;
    TAlignment Alignment = taLeftJustify;
    bool AlignToBand = false;
    QRgb Color = clWhite;
    bool Enabled = true;

    void setPixelBounds(double left, double top, double width, double height);

protected:
    TRpPrintable(Kind kind, QString name);

private:
    Kind kind_;
};

class TRpLabel : public TRpPrintable {
public:
    explicit TRpLabel(QString name = {});

    const QString& Caption() const { return caption_; }
    // Replaces the text; an auto-sized label takes the size of the new text at once.
    void setCaption(const QString& caption);
    // The text as a template stores it, with the size it was designed with; the label is
    // measured again when it is printed.
    void setStoredCaption(const QString& caption) { caption_ = caption; }
    // The text as lines before word wrapping.
    virtual QStringList textLines() const;
    // Width follows the widest line, height at least one line; the edge that stays put
    // follows the alignment.
    void applyAutoSize();

    bool AutoSize = true;
    bool AutoStretch = false;
    bool WordWrap = true;
    bool Transparent = false;
    TRpFont Font;

protected:
    TRpLabel(Kind kind, QString name);
    QString caption_;
};

class TRpMemo : public TRpLabel {
public:
    explicit TRpMemo(QString name = {});
    QStringList textLines() const override { return Lines; }
    QStringList Lines;
};

class TRpShape : public TRpPrintable {
public:
    explicit TRpShape(QString name = {});
    TShapeType Shape = shRectangle;
    TRpPen Pen;
    TRpBrush Brush;
};

class TRpImage : public TRpPrintable {
public:
    explicit TRpImage(QString name = {});
    QImage Picture; // null: no picture
    bool Stretch = false;
    bool Center = false;
    bool AutoSize = false;
};

class TRpBand {
public:
    explicit TRpBand(TRpBandType type, QString name = {});
    virtual ~TRpBand();

    QString Name;
    TRpBandType BandType;
    double Height = 0; // tenths; the width is the page width less both margins
    QRgb Color = clWhite;
    TRpFrame Frame;
    bool AlignToBottom = false;
    bool ForceNewPage = false;
    bool ForceNewColumn = false;
    bool Enabled = true;
    TRpBand* ChildBand = nullptr; // printed directly below this band

    // Drawn in list order, a later one over an earlier one.
    std::vector<std::unique_ptr<TRpPrintable>> Elements;

    template <class T> T& add(std::unique_ptr<T> element) {
        T& ref = *element;
        Elements.push_back(std::move(element));
        return ref;
    }
};

class TRpGroup : public TRpBand {
public:
    explicit TRpGroup(QString name = {});
    TReport* Master = nullptr;
    QString Expression;
};

class TRpSubDetail : public TRpBand {
public:
    explicit TRpSubDetail(QString name = {});
    TReport* Master = nullptr;
    TRpBand* HeaderBand = nullptr;
    TRpBand* FooterBand = nullptr;
    bool PrintBefore = false; // before rather than after the report's detail band
    bool PrintIfEmpty = false;
};

struct TRpPage {
    TRpPaperSize PaperSize = TRpPaperSize::A4;
    TPrinterOrientation Orientation = poPortrait;
    // In tenths of a millimetre; Length runs down the printed page, Width across it.
    double BottomMargin = 100;
    double Length = 2970;
    double TopMargin = 100;
    double Width = 2100;
    double LeftMargin = 100;
    double RightMargin = 100;
    double ColumnSpace = 0;
    int Columns = 1;

    // bottom margin, length, top margin, width, left margin, right margin, column space
    std::array<double, 7> Values() const;
    void setValues(const std::array<double, 7>& values);
    // Turns the sheet: length and width change places when the orientation changes.
    void setOrientation(TPrinterOrientation orientation);
};

struct TRpOptions {
    bool FirstPageHeader = true;
    bool LastPageFooter = true;
    bool Compression = false;
};

struct TRpPrinterSettings {
    int Copies = 1;
    bool Duplex = false;
    int FirstPage = 0; // 0: no bound
    int LastPage = 0;
    TRpOutputBin OutputBin = TRpOutputBin::First;
    int PrinterIndex = -1; // -1: the system's default printer
};

class TReport {
public:
    TReport();
    ~TReport();
    TReport(const TReport&) = delete;
    TReport& operator=(const TReport&) = delete;

    QString Name = QStringLiteral("Report1");
    TRpPage Page;
    TRpOptions Options;
    bool PrintIfEmpty = true;
    TRpFont Font;
    TRpFrame Frame;
    TRpPrinterSettings PrinterSettings;
    TRpUnits Units = TRpUnits::MM;
    int Zoom = 100;
    bool SnapToGrid = true;
    QString ReportTitle;
    bool ShowProgress = true;

    // Raised at the start of every page, before anything of it is drawn.
    std::function<void(TReport& sender)> OnStartPage;

    std::vector<std::unique_ptr<TRpBand>> Bands;
    // Placed from the paper's corner, drawn at the end of every page.
    std::vector<std::unique_ptr<TRpPrintable>> Printables;

    template <class T> T& addBand(std::unique_ptr<T> band) {
        T& ref = *band;
        Bands.push_back(std::move(band));
        return ref;
    }
    template <class T> T& addPrintable(std::unique_ptr<T> element) {
        T& ref = *element;
        Printables.push_back(std::move(element));
        return ref;
    }

    // 0 outside a composition, 1 on its first page.
    int PageNumber() const { return pageNumber_; }
    // False while a composition of this report, or a request holding it, is running.
    bool Available() const { return !composing_ && holds_ == 0; }

    // Keeps the report busy for a whole request (a print behind its progress window, a text
    // export): events flow meanwhile, and nothing may start a second run of it. The holder
    // itself may still compose.
    class Hold {
    public:
        explicit Hold(TReport& report)
            : report_(report) {
            ++report_.holds_;
        }
        ~Hold() { --report_.holds_; }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        TReport& report_;
    };
    double bandWidth() const;

    TRpBand* findBand(const QString& name) const;
    TRpPrintable* findPrintable(const QString& name) const;
    template <class T> T* find(const QString& name) const { return dynamic_cast<T*>(findPrintable(name)); }

    // Lays out and draws every page into `destination`, replacing what it held. Returns false
    // when nothing was done (a composition of this report is already running).
    bool Compose(PageStore& destination);

private:
    friend class Composer;
    int pageNumber_ = 0;
    bool composing_ = false;
    int holds_ = 0;
};

} // namespace report
