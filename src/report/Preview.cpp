#include "report/Preview.h"
#include "platform/Error.h"
#include "platform/FileDialogs.h"
#include "platform/Fonts.h"
#include "platform/Guarded.h"
#include "report/PreviewFile.h"
#include "report/Printing.h"
#include "report/Render.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QProgressBar>
#include <QScreen>
#include <QScrollBar>
#include <cmath>

namespace report {

// ---- the page view ----

PageView::PageView(QWidget* parent)
    : QAbstractScrollArea(parent) {
    setObjectName(QStringLiteral("RpPreview"));
    setFocusPolicy(Qt::StrongFocus);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
}

void PageView::setPage(const StoredPage* page) {
    page_ = page;
    updateScrollBars();
    viewport()->update();
}

bool PageView::setZoom(int percent) {
    if (percent < 2 || percent > 2000)
        return false;
    zoom_ = percent;
    updateScrollBars();
    viewport()->update();
    return true;
}

double PageView::dpi() const {
    return logicalDpiX() * zoom_ / 100.0;
}

QSize PageView::pageSize100() const {
    if (!page_)
        return {};
    const double d = logicalDpiX();
    return QSize(int(std::lround(page_->width * d / 254)), int(std::lround(page_->length * d / 254)));
}

QSize PageView::pagePixels() const {
    if (!page_)
        return {};
    return QSize(int(std::lround(page_->width * dpi() / 254)), int(std::lround(page_->length * dpi() / 254)));
}

QSize PageView::sheetSize() const {
    return page_ ? pagePixels() + QSize(4, 4) : QSize();
}

QPoint PageView::sheetOrigin() const {
    const QSize sheet = sheetSize();
    const QSize view = viewport()->size();
    const int x =
        sheet.width() < view.width() ? (view.width() - sheet.width()) / 2 : -horizontalScrollBar()->value();
    const int y =
        sheet.height() < view.height() ? (view.height() - sheet.height()) / 2 : -verticalScrollBar()->value();
    return {x, y};
}

void PageView::scrollHome() {
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

void PageView::updateScrollBars() {
    const QSize sheet = sheetSize();
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, sheet.width() - view.width()));
    verticalScrollBar()->setRange(0, std::max(0, sheet.height() - view.height()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setPageStep(view.height());
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
}

void PageView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
    emit roomChanged();
}

void PageView::scrollContentsBy(int, int) {
    viewport()->update();
}

void PageView::paintEvent(QPaintEvent* event) {
    QPainter p(viewport());
    p.fillRect(event->rect(), QColor(0x80, 0x80, 0x80));
    if (!page_)
        return;
    const QPoint origin = sheetOrigin();
    const QSize size = pagePixels();
    const QRect paper(origin + QPoint(1, 1), size);
    // 1-pixel outline around the paper, 2-pixel shadow along its right and bottom edges
    p.fillRect(QRect(origin, size + QSize(2, 2)), Qt::black);
    p.fillRect(QRect(paper.right() + 2, origin.y() + 2, 2, size.height() + 2), Qt::black);
    p.fillRect(QRect(origin.x() + 2, paper.bottom() + 2, size.width() + 2, 2), Qt::black);
    const QRect exposed = event->rect() & paper;
    if (exposed.isEmpty())
        return;
    p.fillRect(exposed, Qt::white);

    // Drawn in device pixels, so that a high-density screen gets its full sharpness.
    const double ratio = devicePixelRatioF();
    const double d = dpi();
    const QRectF visible((exposed.left() - paper.left()) * 254.0 / d,
                         (exposed.top() - paper.top()) * 254.0 / d, exposed.width() * 254.0 / d,
                         exposed.height() * 254.0 / d);
    p.setClipRect(exposed);
    p.translate(paper.topLeft());
    p.scale(1 / ratio, 1 / ratio);
    renderPage(p, *page_, d * ratio, d * ratio, {}, visible);
}

// ---- the preview window ----

namespace {

using kit::Align;
using kit::Kind;

QWidget* makePageView(QWidget* parent) {
    return new PageView(parent);
}

// clang-format off
const kit::Row previewLayout[] = {
    {.name = "Toolbar", .kind = Kind::Panel, .geometry = {0, 0, 571, 33}, .align = Align::Top},
    {.name = "ZoomToFit", .kind = Kind::SpeedButton, .geometry = {4, 4, 25, 25}, .hint = u"Zoom to fit", .parent = "Toolbar", .picture = ":/preview/zoom-fit.bmp", .group = 1},
    {.name = "ZoomTo100", .kind = Kind::SpeedButton, .geometry = {29, 4, 25, 25}, .hint = u"Zoom to 100%", .parent = "Toolbar", .picture = ":/preview/zoom-100.bmp", .group = 1},
    {.name = "ZoomToWidth", .kind = Kind::SpeedButton, .geometry = {54, 4, 25, 25}, .hint = u"Zoom to page width", .parent = "Toolbar", .picture = ":/preview/zoom-width.bmp", .checked = true, .group = 1},
    {.name = "FirstPage", .kind = Kind::SpeedButton, .geometry = {84, 4, 25, 25}, .hint = u"First Page", .parent = "Toolbar", .picture = ":/preview/first.bmp"},
    {.name = "PrevPage", .kind = Kind::SpeedButton, .geometry = {109, 4, 25, 25}, .hint = u"Previous page", .parent = "Toolbar", .picture = ":/preview/previous.bmp"},
    {.name = "NextPage", .kind = Kind::SpeedButton, .geometry = {134, 4, 25, 25}, .hint = u"Next page", .parent = "Toolbar", .picture = ":/preview/next.bmp"},
    {.name = "LastPage", .kind = Kind::SpeedButton, .geometry = {159, 4, 25, 25}, .hint = u"Last page", .parent = "Toolbar", .picture = ":/preview/last.bmp"},
    {.name = "PrintSetup", .kind = Kind::SpeedButton, .geometry = {189, 4, 25, 25}, .hint = u"Printer setup", .parent = "Toolbar", .picture = ":/preview/printer-setup.bmp"},
    {.name = "Print", .kind = Kind::SpeedButton, .geometry = {214, 4, 25, 25}, .hint = u"Print", .parent = "Toolbar", .picture = ":/preview/print.bmp"},
    {.name = "Save", .kind = Kind::SpeedButton, .geometry = {244, 4, 25, 25}, .hint = u"Save", .parent = "Toolbar", .picture = ":/preview/save.bmp"},
    {.name = "Load", .kind = Kind::SpeedButton, .geometry = {269, 4, 25, 25}, .hint = u"Load", .parent = "Toolbar", .picture = ":/preview/load.bmp"},
    {.name = "Exit", .kind = Kind::Button, .geometry = {300, 4, 75, 25}, .text = u"&Close", .parent = "Toolbar", .picture = ":/preview/close.bmp", .tab = 0, .cancel = true},
    {.name = "StatusPanel", .kind = Kind::Panel, .geometry = {0, 453, 571, 19}, .align = Align::Bottom},
    {.name = "StatusArea", .kind = Kind::Panel, .geometry = {443, 0, 128, 19}, .parent = "StatusPanel", .align = Align::Right},
    {.name = "Status", .kind = Kind::Label, .geometry = {2, 3, 30, 13}, .text = u"Working...", .parent = "StatusArea"},
    {.name = "ProgressBar", .kind = Kind::ProgressBar, .geometry = {2, 2, 100, 16}, .parent = "StatusPanel", .hidden = true},
    {.name = "RpPreview", .kind = Kind::Custom, .geometry = {0, 33, 571, 420}, .tab = 1, .align = Align::Client, .make = makePageView},
};
// clang-format on

} // namespace

const QStringList TRpStandardPreview::saveFilters = {
    QStringLiteral("Saved preview (*.rpv)"),
    QStringLiteral("Text file (*.txt)"),
    QStringLiteral("PDF file (*.pdf)"),
};
const QStringList TRpStandardPreview::loadFilters = {QStringLiteral("Saved preview (*.rpv)")};

TRpStandardPreview::TRpStandardPreview(TReport& report, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , report_(report) {
    setObjectName(QStringLiteral("RpStandardPreview"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(report.ReportTitle);
    setFont(platform::windowFont());
    resize(571, 472);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    controls_ = kit::build(this, previewLayout);
    RpPreview = control<PageView>(QStringLiteral("RpPreview"));
    Status = control<QLabel>(QStringLiteral("Status"));

    const std::pair<const char*, void (TRpStandardPreview::*)()> actions[] = {
        {"ZoomToFit", &TRpStandardPreview::ZoomToFitClick},
        {"ZoomTo100", &TRpStandardPreview::ZoomTo100Click},
        {"ZoomToWidth", &TRpStandardPreview::ZoomToWidthClick},
        {"FirstPage", &TRpStandardPreview::FirstPageClick},
        {"PrevPage", &TRpStandardPreview::PrevPageClick},
        {"NextPage", &TRpStandardPreview::NextPageClick},
        {"LastPage", &TRpStandardPreview::LastPageClick},
        {"PrintSetup", &TRpStandardPreview::PrintSetupClick},
        {"Print", &TRpStandardPreview::PrintClick},
        {"Save", &TRpStandardPreview::SaveClick},
        {"Load", &TRpStandardPreview::LoadClick},
        {"Exit", &TRpStandardPreview::ExitClick},
    };
    for (const auto& [name, handler] : actions)
        connect(control<QAbstractButton>(QString::fromLatin1(name)), &QAbstractButton::clicked, this,
                [this, handler = handler] { ledgora::guarded([this, handler] { (this->*handler)(); }); });
    connect(RpPreview, &PageView::roomChanged, this, [this] { applyZoom(); });
    RpPreview->setFocus();
    // The window sees the page keys before its controls do.
    qApp->installEventFilter(this);
}

TRpStandardPreview::~TRpStandardPreview() {
    qApp->removeEventFilter(this);
}

void TRpStandardPreview::compose() {
    QPointer<TRpStandardPreview> self(this);
    store_.pageFinished = [self](int number) {
        // Posted, as finished pages are announced: handled once composition has returned.
        QMetaObject::invokeMethod(
            self.data(), [self, number] { ledgora::guarded([&] { self->pageFinished(number); }); },
            Qt::QueuedConnection);
    };
    report_.Compose(store_);
}

void TRpStandardPreview::pageFinished(int number) {
    if (!pageShown_ && number == page_) {
        // The awaited page has come: page width, before the page is drawn.
        zoomKind_ = ZoomKind::Width;
        control<QAbstractButton>(QStringLiteral("ZoomToWidth"))->setChecked(true);
        showPage(page_);
    }
    refreshStatus();
}

QString TRpStandardPreview::statusText() const {
    return Status->text();
}

void TRpStandardPreview::refreshStatus() {
    Status->setText(QStringLiteral("Page") + u' ' + QString::number(page_) + u' ' + QStringLiteral("of") +
                    u' ' + QString::number(store_.lastFinishedPage()));
    Status->adjustSize();
}

bool TRpStandardPreview::showPage(int number) {
    if (number < 1 || number > store_.lastFinishedPage())
        return false;
    page_ = number;
    pageShown_ = true;
    RpPreview->setPage(&store_.page(number));
    applyZoom();
    RpPreview->scrollHome();
    refreshStatus();
    return true;
}

void TRpStandardPreview::applyZoom() {
    const QSize page = RpPreview->pageSize100();
    if (page.isEmpty())
        return;
    const QSize room = RpPreview->room();
    int percent = fixedZoom_;
    if (zoomKind_ == ZoomKind::Width) {
        percent = int(std::lround(double(room.width()) / page.width() * 90));
    } else if (zoomKind_ == ZoomKind::Fit) {
        percent = std::min(int(std::lround(double(room.width()) / page.width() * 95)),
                           int(std::lround(double(room.height()) / page.height() * 95)));
    }
    if (percent != RpPreview->zoom() && RpPreview->setZoom(percent))
        RpPreview->scrollHome();
}

void TRpStandardPreview::setZoomKind(ZoomKind kind, int percent) {
    zoomKind_ = kind;
    if (kind == ZoomKind::Fixed)
        fixedZoom_ = percent;
    const char* button = kind == ZoomKind::Fit     ? "ZoomToFit"
                         : kind == ZoomKind::Width ? "ZoomToWidth"
                                                   : "ZoomTo100";
    if (kind != ZoomKind::Fixed || percent == 100)
        control<QAbstractButton>(QString::fromLatin1(button))->setChecked(true);
    applyZoom();
    RpPreview->scrollHome();
}

void TRpStandardPreview::ZoomToFitClick() {
    setZoomKind(ZoomKind::Fit);
}

void TRpStandardPreview::ZoomTo100Click() {
    setZoomKind(ZoomKind::Fixed, 100);
}

void TRpStandardPreview::ZoomToWidthClick() {
    setZoomKind(ZoomKind::Width);
}

void TRpStandardPreview::FirstPageClick() {
    showPage(1);
}

void TRpStandardPreview::PrevPageClick() {
    showPage(page_ - 1);
}

void TRpStandardPreview::NextPageClick() {
    showPage(page_ + 1);
}

void TRpStandardPreview::LastPageClick() {
    showPage(store_.lastFinishedPage());
}

void TRpStandardPreview::PrintSetupClick() {
    PrinterSetup(report_, store_.finished() ? store_.pageCount() : 0);
}

void TRpStandardPreview::PrintClick() {
    Print(report_);
}

void TRpStandardPreview::SaveClick() {
    platform::FileChoice choice = platform::saveFileDialog(saveFilters);
    if (choice.path.isEmpty())
        return;
    static const char* suffixes[] = {"rpv", "txt", "pdf"};
    const int type = std::clamp(choice.filter, 0, 2);
    if (QFileInfo(choice.path).suffix().isEmpty())
        choice.path += u'.' + QLatin1String(suffixes[type]);
    switch (type) {
    case 0:
        if (!store_.finished())
            throw platform::Error(QStringLiteral("The pages are still being composed; nothing was saved"));
        savePreviewFile(store_, choice.path);
        break;
    case 1:
        exportTextFile(report_, choice.path);
        break;
    default:
        savePdfFile(store_, choice.path,
                    report_.ReportTitle.isEmpty() ? QFileInfo(choice.path).completeBaseName()
                                                  : report_.ReportTitle);
        break;
    }
}

void TRpStandardPreview::LoadClick() {
    const QString path = platform::openFileDialog(loadFilters);
    if (path.isEmpty())
        return;
    if (!QFileInfo(path).isFile())
        throw platform::Error(QStringLiteral("File does not exist"));
    // Read and checked in full before anything shown changes.
    std::vector<StoredPage> pages = loadPreviewFile(path);
    store_.setPages(std::move(pages));
    pageShown_ = false;
    page_ = 1;
    showPage(1);
}

void TRpStandardPreview::ExitClick() {
    close();
}

void TRpStandardPreview::closeEvent(QCloseEvent* event) {
    store_.cancel = true; // a composition still running stops at its next check
    event->accept();
}

void TRpStandardPreview::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refreshStatus();
}

bool TRpStandardPreview::handleKey(int key, Qt::KeyboardModifiers modifiers) {
    // Ctrl must be the only modifier for the Ctrl combinations (the keypad flag aside).
    const bool ctrlOnly = (modifiers & ~Qt::KeypadModifier) == Qt::ControlModifier;
    switch (key) {
    case Qt::Key_PageUp:
        ctrlOnly ? FirstPageClick() : PrevPageClick();
        return true;
    case Qt::Key_PageDown:
        ctrlOnly ? LastPageClick() : NextPageClick();
        return true;
    case Qt::Key_Home:
        FirstPageClick();
        return true;
    case Qt::Key_End:
        LastPageClick();
        return true;
    default:
        return false;
    }
}

bool TRpStandardPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    if (static_cast<QWidget*>(watched)->window() != this)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    bool handled = false;
    ledgora::guarded([&] { handled = handleKey(key->key(), key->modifiers()); });
    return handled;
}

void Preview(TReport& report) {
    if (!report.Available())
        return;
    QPointer<TRpStandardPreview> window = new TRpStandardPreview(report);
    QEventLoop loop;
    QObject::connect(window.data(), &QObject::destroyed, &loop, &QEventLoop::quit);
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &loop, &QEventLoop::quit);
    window->showMaximized();
    // Events are handled once before composition starts: the window shows itself.
    QCoreApplication::processEvents();
    if (window)
        window->compose();
    if (window)
        loop.exec();
    delete window.data(); // the program is ending with the window still open
}

} // namespace report
