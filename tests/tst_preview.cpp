// The print preview window on the offscreen screen, with no printer installed: what it shows
// when it opens, zoom, page keys, save and load, and the progress window.
#include "Support.h"
#include "platform/FileDialogs.h"
#include "report/Preview.h"
#include "report/PreviewFile.h"
#include "report/Printing.h"
#include "report/ProgressForm.h"
#include "report/Render.h"
#include "templates/Unit2.h"
#include "templates/Unit9.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QPrinterInfo>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <cups/cups.h>
#include <functional>

using report::TRpStandardPreview;
using report::ZoomKind;

namespace {

// Answers the preview's file dialogs.
struct FileDialogStub : platform::FileDialogs {
    platform::FileChoice saveAnswer;
    QString openAnswer;
    QStringList offered;
    FileDialogStub() { platform::setFileDialogs(this); }
    ~FileDialogStub() override { platform::setFileDialogs(nullptr); }
    platform::FileChoice save(const QStringList& filters) override {
        offered = filters;
        return saveAnswer;
    }
    QString open(const QStringList& filters) override {
        offered = filters;
        return openAnswer;
    }
};

// A plain page of the given size with one text so that pages can be told apart.
report::StoredPage plainPage(double width, double length, const QString& text) {
    report::StoredPage page;
    page.width = width;
    page.length = length;
    report::DrawOp op;
    op.kind = report::DrawOp::Text;
    op.pos = QPointF(200, 200);
    op.clip = QRectF(200, 200, 1000, 100);
    op.text = text;
    op.font = {QStringLiteral("Times New Roman"), 13};
    op.textWidth = 300;
    page.ops.push_back(op);
    return page;
}

std::vector<report::StoredPage> threePages() {
    return {plainPage(2100, 2970, QStringLiteral("one")), plainPage(2970, 2100, QStringLiteral("two")),
            plainPage(2100, 2970, QStringLiteral("three"))};
}

// A preview window of `report`, shown at a normal size, its report composed and the page
// announcements handled.
TRpStandardPreview* openPreview(report::TReport& report, QSize size = {800, 600}) {
    auto* window = new TRpStandardPreview(report);
    window->resize(size);
    window->show();
    QCoreApplication::processEvents();
    window->compose();
    QCoreApplication::processEvents();
    return window;
}

QList<TRpStandardPreview*> previewWindows() {
    QList<TRpStandardPreview*> out;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = qobject_cast<TRpStandardPreview*>(w); p && p->isVisible())
            out << p;
    return out;
}

// Runs `check` on the newest preview window once its first page is shown, from inside the
// event loop that Preview() runs. Gives up (and fails) after five seconds.
void whenShown(std::function<void(TRpStandardPreview*)> check) {
    auto* timer = new QTimer;
    auto deadline = std::make_shared<QDeadlineTimer>(5000);
    const QList<TRpStandardPreview*> before = previewWindows();
    QObject::connect(timer, &QTimer::timeout, [=] {
        const QList<TRpStandardPreview*> windows = previewWindows();
        TRpStandardPreview* w = nullptr;
        for (TRpStandardPreview* open : windows)
            if (!before.contains(open))
                w = open;
        if (w && w->RpPreview->page()) {
            timer->deleteLater();
            check(w);
        } else if (deadline->hasExpired()) {
            timer->deleteLater();
            for (TRpStandardPreview* open : windows)
                open->close();
            QFAIL("no preview window showed its page");
        }
    });
    timer->start(5);
}

QString accessibleName(QObject* object) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(object);
    return a ? a->text(QAccessible::Name) : QString();
}

} // namespace

class PreviewTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void freshPreviewShowsPageOneAtPageWidth();
    void severalPreviewsAtOnce();
    void zoom_data();
    void zoom();
    void zoomLimits();
    void resizeKeepsFixedZoomAndRefits();
    void sheetCentredAndScrolledHome();
    void keys_data();
    void keys();
    void onePageGoesNowhere();
    void accessibleNames();
    void saveAndLoad();
    void saveTypes();
    void failedSaveReports();
    void loadMissingOrBrokenKeepsPages_data();
    void loadMissingOrBrokenKeepsPages();
    void noPrinterIsSilent();
    void progressWindow();
};

void PreviewTest::initTestCase() {
    // No printer: a scheduler that is not there.
    qputenv("CUPS_SERVER", QByteArray(QDir::tempPath().toLocal8Bit() + "/ledgora-no-scheduler"));
    cupsSetServer(nullptr);
    QVERIFY(QPrinterInfo::availablePrinters().isEmpty());
}

void PreviewTest::freshPreviewShowsPageOneAtPageWidth() {
    TFormVat vat;
    bool maximised = false, widthPressed = false;
    QString title = QStringLiteral("?"), status;
    int zoom = 0, expected = -1;
    whenShown([&](TRpStandardPreview* w) {
        maximised = w->isMaximized();
        title = w->windowTitle();
        status = w->statusText();
        widthPressed = w->control<QAbstractButton>(QStringLiteral("ZoomToWidth"))->isChecked();
        zoom = w->zoom();
        expected =
            int(std::lround(double(w->RpPreview->room().width()) / w->RpPreview->pageSize100().width() * 90));
        w->close();
    });
    report::Preview(vat.Report1); // returns once the window has closed
    QVERIFY(maximised);
    QCOMPARE(title, QString());
    QCOMPARE(status, QStringLiteral("Page 1 of 1"));
    QVERIFY(widthPressed);
    QCOMPARE(zoom, expected);
    QVERIFY(previewWindows().isEmpty());
    QVERIFY(vat.Report1.Available());
}

void PreviewTest::severalPreviewsAtOnce() {
    TFormVat vat;
    TPoczta transfer;
    transfer.CopyFormPicture();
    int openTogether = 0;
    whenShown([&](TRpStandardPreview*) {
        // From the first preview's loop the user opens a second one.
        whenShown([&](TRpStandardPreview* second) {
            openTogether = int(previewWindows().size());
            QCOMPARE(&second->report(), &transfer.Report1);
            second->close();
        });
        report::Preview(transfer.Report1);
        QCOMPARE(previewWindows().size(), 1);
        previewWindows().first()->close();
    });
    report::Preview(vat.Report1);
    QCOMPARE(openTogether, 2);
    QVERIFY(previewWindows().isEmpty());
}

void PreviewTest::zoom_data() {
    QTest::addColumn<int>("button"); // 0 fit, 1 width, 2 100 %
    QTest::addColumn<QSize>("window");
    QTest::addColumn<bool>("landscape");
    for (const QSize size : {QSize(800, 600), QSize(571, 472), QSize(1500, 400), QSize(300, 1200)}) {
        const QString s = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
        QTest::newRow(qPrintable("fit " + s)) << 0 << size << false;
        QTest::newRow(qPrintable("width " + s)) << 1 << size << false;
        QTest::newRow(qPrintable("fit landscape " + s)) << 0 << size << true;
        QTest::newRow(qPrintable("width landscape " + s)) << 1 << size << true;
    }
    QTest::newRow("100 %") << 2 << QSize(800, 600) << false;
}

void PreviewTest::zoom() {
    QFETCH(int, button);
    QFETCH(QSize, window);
    QFETCH(bool, landscape);
    TPoczta transfer; // a report is needed; the pages are our own
    auto* w = openPreview(transfer.Report1, window);
    w->store().setPages({landscape ? plainPage(2970, 2100, {}) : plainPage(2100, 2970, {})});
    w->showPage(1);
    const char* names[] = {"ZoomToFit", "ZoomToWidth", "ZoomTo100"};
    w->control<QAbstractButton>(QString::fromLatin1(names[button]))->click();

    const QSize room = w->RpPreview->room();
    const QSize page = w->RpPreview->pageSize100();
    const QSize sheet = w->RpPreview->sheetSize();
    int expected = 100;
    if (button == 0)
        expected = std::min(int(std::lround(double(room.width()) / page.width() * 95)),
                            int(std::lround(double(room.height()) / page.height() * 95)));
    if (button == 1)
        expected = int(std::lround(double(room.width()) / page.width() * 90));
    QCOMPARE(w->zoom(), expected);
    // What the user sees: the sheet fits (95 %) or spans (90 %) the view, plus its 4 pixels.
    if (button == 0) {
        QVERIFY(sheet.width() - 4 <= room.width() * 0.96 && sheet.height() - 4 <= room.height() * 0.96);
        QVERIFY(sheet.width() - 4 >= room.width() * 0.93 || sheet.height() - 4 >= room.height() * 0.93);
    } else if (button == 1) {
        QVERIFY(qAbs((sheet.width() - 4) - room.width() * 0.9) <= room.width() * 0.01 + 1);
    } else {
        QCOMPARE(sheet - QSize(4, 4), page);
    }
    // Exactly one zoom button is down.
    int down = 0;
    for (const char* name : names)
        down += w->control<QAbstractButton>(QString::fromLatin1(name))->isChecked();
    QCOMPARE(down, 1);
    QVERIFY(w->control<QAbstractButton>(QString::fromLatin1(names[button]))->isChecked());
    delete w;
}

void PreviewTest::zoomLimits() {
    TFormVat vat;
    auto* w = openPreview(vat.Report1);
    const int before = w->zoom();
    // So narrow that page width would be below 2 %: ignored.
    auto widthZoom = [w] {
        return std::lround(w->RpPreview->room().width() * 90.0 / w->RpPreview->pageSize100().width());
    };
    w->resize(12, 400);
    QCoreApplication::processEvents();
    QVERIFY(widthZoom() < 2);
    QCOMPARE(w->zoom(), before);
    QVERIFY(w->RpPreview->setZoom(2));
    QVERIFY(w->RpPreview->setZoom(2000));
    QVERIFY(!w->RpPreview->setZoom(1));
    QVERIFY(!w->RpPreview->setZoom(2001));
    QCOMPARE(w->zoom(), 2000);
    // So wide that page width would pass 2000 %: ignored too.
    w->resize(18000, 300);
    QCoreApplication::processEvents();
    QVERIFY(widthZoom() > 2000);
    QCOMPARE(w->zoom(), 2000);
    delete w;
}

void PreviewTest::resizeKeepsFixedZoomAndRefits() {
    TFormVat vat;
    auto* w = openPreview(vat.Report1, {800, 600});
    w->ZoomTo100Click();
    w->resize(1000, 700);
    QCoreApplication::processEvents();
    QCOMPARE(w->zoom(), 100);
    QCOMPARE(w->zoomKind(), ZoomKind::Fixed);

    w->ZoomToFitClick();
    const int small = w->zoom();
    w->resize(1200, 1000);
    QCoreApplication::processEvents();
    QVERIFY(w->zoom() > small);
    const QSize room = w->RpPreview->room(), sheet = w->RpPreview->sheetSize() - QSize(4, 4);
    QVERIFY(sheet.width() <= room.width() && sheet.height() <= room.height());
    delete w;
}

void PreviewTest::sheetCentredAndScrolledHome() {
    TFormVat vat;
    auto* w = openPreview(vat.Report1, {900, 700});
    w->store().setPages(threePages());
    w->showPage(1);
    // At page width the sheet is narrower than the view (centred) and taller (from the top).
    const QSize view = w->RpPreview->viewport()->size(), sheet = w->RpPreview->sheetSize();
    QCOMPARE(w->RpPreview->sheetOrigin().x(), (view.width() - sheet.width()) / 2);
    QCOMPARE(w->RpPreview->sheetOrigin().y(), 0);
    // Scrolled away, then a page change and a zoom change each go back to the top-left corner.
    w->RpPreview->verticalScrollBar()->setValue(200);
    QCOMPARE(w->RpPreview->sheetOrigin().y(), -200);
    w->NextPageClick();
    QCOMPARE(w->RpPreview->verticalScrollBar()->value(), 0);
    w->ZoomTo100Click();
    w->RpPreview->horizontalScrollBar()->setValue(50);
    w->RpPreview->verticalScrollBar()->setValue(50);
    w->ZoomToWidthClick();
    QCOMPARE(w->RpPreview->horizontalScrollBar()->value(), 0);
    QCOMPARE(w->RpPreview->verticalScrollBar()->value(), 0);
    delete w;
}

void PreviewTest::keys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    const int none = Qt::NoModifier, ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier,
              alt = Qt::AltModifier;
    QTest::newRow("Page Up") << int(Qt::Key_PageUp) << none << 2 << 1;
    QTest::newRow("Page Up on page 1") << int(Qt::Key_PageUp) << none << 1 << 1;
    QTest::newRow("Ctrl+Page Up") << int(Qt::Key_PageUp) << ctrl << 3 << 1;
    QTest::newRow("Page Down") << int(Qt::Key_PageDown) << none << 2 << 3;
    QTest::newRow("Page Down on the last page") << int(Qt::Key_PageDown) << none << 3 << 3;
    QTest::newRow("Ctrl+Page Down") << int(Qt::Key_PageDown) << ctrl << 1 << 3;
    QTest::newRow("Home") << int(Qt::Key_Home) << none << 3 << 1;
    QTest::newRow("End") << int(Qt::Key_End) << none << 1 << 3;
    // Ctrl must be alone; with anything else the key is the plain one.
    QTest::newRow("Shift+Page Up") << int(Qt::Key_PageUp) << shift << 3 << 2;
    QTest::newRow("Ctrl+Shift+Page Up") << int(Qt::Key_PageUp) << (ctrl | shift) << 3 << 2;
    QTest::newRow("Ctrl+Alt+Page Down") << int(Qt::Key_PageDown) << (ctrl | alt) << 1 << 2;
    QTest::newRow("Alt+Page Down") << int(Qt::Key_PageDown) << alt << 1 << 2;
    QTest::newRow("Ctrl+keypad Page Down")
        << int(Qt::Key_PageDown) << (ctrl | int(Qt::KeypadModifier)) << 1 << 3;
}

void PreviewTest::keys() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, from);
    QFETCH(int, to);
    TFormVat vat;
    auto* w = openPreview(vat.Report1);
    w->store().setPages(threePages());
    w->showPage(from);
    // The window sees the keys first, whichever of its controls has the focus.
    for (QWidget* target : {static_cast<QWidget*>(w->RpPreview->viewport()),
                            static_cast<QWidget*>(w->control<QPushButton>(QStringLiteral("Exit")))}) {
        w->showPage(from);
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(w->currentPage(), to);
        QCOMPARE(w->statusText(), QStringLiteral("Page %1 of 3").arg(to));
        QCOMPARE(w->RpPreview->page(), &w->store().page(to));
    }
    delete w;
}

void PreviewTest::onePageGoesNowhere() {
    TFormVat vat;
    auto* w = openPreview(vat.Report1);
    for (const char* button : {"NextPage", "LastPage", "PrevPage", "FirstPage"}) {
        w->control<QAbstractButton>(QString::fromLatin1(button))->click();
        QCOMPARE(w->currentPage(), 1);
    }
    for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_End, Qt::Key_Home, Qt::Key_PageUp})
        QTest::keyClick(w->RpPreview->viewport(), key);
    QTest::keyClick(w->RpPreview->viewport(), Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(w->currentPage(), 1);
    QCOMPARE(w->statusText(), QStringLiteral("Page 1 of 1"));
    delete w;
}

void PreviewTest::accessibleNames() {
    TFormVat vat;
    auto* w = openPreview(vat.Report1);
    int buttons = 0;
    for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
        const QString expected = b->toolTip().isEmpty() ? QStringLiteral("Close") : b->toolTip();
        QCOMPARE(accessibleName(b), expected);
        ++buttons;
    }
    QCOMPARE(buttons, 12);
    // The status line reads as it shows, and follows the page.
    w->store().setPages(threePages());
    w->showPage(2);
    QCOMPARE(accessibleName(w->Status), QStringLiteral("Page 2 of 3"));
    // Alt+C and Esc close the window.
    QPointer<TRpStandardPreview> alive(w);
    QTest::keyClick(w, Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(!alive);
    w = openPreview(vat.Report1);
    alive = w;
    QTest::keyClick(w->RpPreview->viewport(), Qt::Key_Escape);
    QTRY_VERIFY(!alive);
}

void PreviewTest::saveAndLoad() {
    TPoczta transfer;
    transfer.CopyFormPicture();
    QTemporaryDir dir;
    FileDialogStub dialogs;
    testing::MessageRecorder boxes;
    auto* w = openPreview(transfer.Report1);
    dialogs.saveAnswer = {dir.filePath(QStringLiteral("sheet")), 0};
    w->SaveClick();
    QCOMPARE(dialogs.offered, TRpStandardPreview::saveFilters);
    QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("sheet.rpv")))); // the type's extension added
    QVERIFY(boxes.boxes.empty());

    // Another preview with other pages loads them: page 1 shown, status refreshed.
    TFormVat vat;
    auto* other = openPreview(vat.Report1);
    other->store().setPages(threePages());
    other->showPage(3);
    dialogs.openAnswer = dir.filePath(QStringLiteral("sheet.rpv"));
    other->LoadClick();
    QCOMPARE(dialogs.offered, TRpStandardPreview::loadFilters);
    QVERIFY(boxes.boxes.empty());
    QVERIFY(other->store().samePages(w->store()));
    QCOMPARE(other->currentPage(), 1);
    QCOMPARE(other->statusText(), QStringLiteral("Page 1 of 1"));
    QCOMPARE(other->RpPreview->page(), &other->store().page(1));
    QCOMPARE(other->zoomKind(), ZoomKind::Width);
    delete other;
    delete w;
}

void PreviewTest::saveTypes() {
    TPoczta transfer;
    transfer.CopyFormPicture();
    QTemporaryDir dir;
    FileDialogStub dialogs;
    testing::MessageRecorder boxes;
    auto* w = openPreview(transfer.Report1);

    // Text: the report composed again into the file.
    dialogs.saveAnswer = {dir.filePath(QStringLiteral("sheet.txt")), 1};
    w->SaveClick();
    QFile text(dir.filePath(QStringLiteral("sheet.txt")));
    QVERIFY(text.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(text.readAll()), report::exportText(w->store()));
    QVERIFY(transfer.Report1.Available());

    // PDF: PDF/A-1b, fonts embedded, the form picture's copies stored once.
    dialogs.saveAnswer = {dir.filePath(QStringLiteral("sheet.pdf")), 2};
    w->SaveClick();
    QVERIFY(boxes.boxes.empty());
    QProcess info;
    info.start(QStringLiteral("pdfinfo"),
               {QStringLiteral("-meta"), dir.filePath(QStringLiteral("sheet.pdf"))});
    QVERIFY(info.waitForFinished());
    const QString meta = QString::fromUtf8(info.readAllStandardOutput());
    QVERIFY2(meta.contains(QStringLiteral("pdfaid:part=\"1\"")) &&
                 meta.contains(QStringLiteral("pdfaid:conformance=\"B\"")),
             qPrintable(meta));
    QProcess images;
    images.start(QStringLiteral("pdfimages"),
                 {QStringLiteral("-list"), dir.filePath(QStringLiteral("sheet.pdf"))});
    QVERIFY(images.waitForFinished());
    QSet<QString> objects;
    int drawn = 0;
    for (const QString& line : QString::fromUtf8(images.readAllStandardOutput()).split(u'\n').mid(2)) {
        const QStringList f = line.simplified().split(u' ');
        if (f.size() < 12)
            continue;
        ++drawn;
        objects << f[10];
        QCOMPARE(f[8], QStringLiteral("image")); // not "jpeg": lossless
    }
    int pictures = 0;
    QSet<qint64> distinct;
    for (const report::DrawOp& op : w->store().page(1).ops)
        if (op.kind == report::DrawOp::Picture) {
            ++pictures;
            distinct << op.image.cacheKey();
        }
    QCOMPARE(drawn, pictures);
    QCOMPARE(objects.size(), distinct.size());
    QVERIFY(distinct.size() < pictures);
    delete w;
}

void PreviewTest::failedSaveReports() {
    TFormVat vat;
    QTemporaryDir dir;
    FileDialogStub dialogs;
    testing::MessageRecorder boxes;
    auto* w = openPreview(vat.Report1);
    QFile plain(dir.filePath(QStringLiteral("plain")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    for (int type : {0, 1, 2}) {
        const QString path =
            dir.filePath(QStringLiteral("plain/out.file")); // a file where a folder should be
        dialogs.saveAnswer = {path, type};
        boxes.boxes.clear();
        QTest::mouseClick(w->control<QAbstractButton>(QStringLiteral("Save")), Qt::LeftButton);
        QCOMPARE(boxes.boxes.size(), size_t(1));
        QCOMPARE(boxes.boxes[0].icon, platform::BoxIcon::Stop);
        QVERIFY2(boxes.boxes[0].text.startsWith(QStringLiteral("Cannot write file ") + path + u':'),
                 qPrintable(boxes.boxes[0].text));
        QVERIFY(boxes.boxes[0].text.contains(QStringLiteral("Not a directory")));
    }
    delete w;
}

void PreviewTest::loadMissingOrBrokenKeepsPages_data() {
    QTest::addColumn<QByteArray>("content"); // empty: no such file
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << QByteArray() << "File does not exist.";
    QTest::newRow("not a saved preview") << QByteArray("%PDF-1.4 not ours") << "Cannot read file ";
}

void PreviewTest::loadMissingOrBrokenKeepsPages() {
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    TFormVat vat;
    QTemporaryDir dir;
    FileDialogStub dialogs;
    testing::MessageRecorder boxes;
    auto* w = openPreview(vat.Report1);
    w->store().setPages(threePages());
    w->showPage(2);
    const std::vector<report::StoredPage> before = w->store().pages();
    dialogs.openAnswer = dir.filePath(QStringLiteral("in.rpv"));
    if (!content.isEmpty()) {
        QFile f(dialogs.openAnswer);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QTest::mouseClick(w->control<QAbstractButton>(QStringLiteral("Load")), Qt::LeftButton);
    QCOMPARE(boxes.boxes.size(), size_t(1));
    QVERIFY2(boxes.boxes[0].text.startsWith(message), qPrintable(boxes.boxes[0].text));
    QVERIFY(w->store().pages() == before);
    QCOMPARE(w->currentPage(), 2);
    QCOMPARE(w->statusText(), QStringLiteral("Page 2 of 3"));
    delete w;
}

void PreviewTest::noPrinterIsSilent() {
    struct SetupSpy : report::PrintSetupDialog {
        int runs = 0;
        bool run(report::PrintSetupValues&) override { return ++runs, true; }
    } setup;
    report::setPrintSetupDialog(&setup);
    testing::MessageRecorder boxes;
    TFormVat vat;
    QCOMPARE(report::Print(vat.Report1), report::PrintResult::NoPrinter);
    auto* w = openPreview(vat.Report1);
    QTest::mouseClick(w->control<QAbstractButton>(QStringLiteral("Print")), Qt::LeftButton);
    QTest::mouseClick(w->control<QAbstractButton>(QStringLiteral("PrintSetup")), Qt::LeftButton);
    QCOMPARE(setup.runs, 0);
    QVERIFY(boxes.boxes.empty());
    for (QWidget* top : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<report::TRpProgressForm*>(top) || !top->isVisible());
    report::setPrintSetupDialog(nullptr);
    delete w;
}

void PreviewTest::progressWindow() {
    report::TRpProgressForm form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Printing progress"));
    QCOMPARE(form.size(), QSize(147, 84));
    QVERIFY(form.windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(form.Info->text(), QString());
    form.setProgress(50);
    QCOMPARE(form.Info->text(), QStringLiteral("50%  Completed"));
    QCOMPARE(form.ProgressBar1->value(), 50);
    form.setProgress(52); // only multiples of 5 move it
    QCOMPARE(form.Info->text(), QStringLiteral("50%  Completed"));
    QCOMPARE(form.ProgressBar1->value(), 50);
    QCOMPARE(form.ProgressBar1->geometry(), QRect(10, 10, 127, 15));
    QCOMPARE(accessibleName(form.CancelButton), QStringLiteral("Cancel"));
    QSignalSpy cancel(&form, &report::TRpProgressForm::cancelRequested);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_Escape);
    QCOMPARE(cancel.size(), 1);
    QVERIFY(form.cancelled());
}

LEDGORA_TEST_MAIN(PreviewTest)
#include "tst_preview.moc"
