// Start-up: the seven windows in order, hidden states, the event loop and the exit code.
#include "Support.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "dialogs/Unit13.h"
#include "dialogs/Unit14.h"
#include "platform/Error.h"
#include "templates/Unit2.h"
#include "templates/Unit3.h"
#include "templates/Unit4.h"
#include "templates/Unit9.h"

#include <QProcess>
#include <QTimer>

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void windowsAreCreatedOnceInOrderAndHidden();
    void vatInvoiceReadsTheInvoicePagesCorrectionTitle();
    void runEndsWithZeroWhenTheMainWindowCloses();
    void closingTheMainWindowEndsTheProgramWithSmallWindowsOpen();
    void errorDuringStartUpIsShownAndEndsWithZero();
    void programWithoutDisplaySaysSoAndEndsCleanly();
    void programStartsAndClosesUnderOffscreen();
};

void StartupTest::windowsAreCreatedOnceInOrderAndHidden() {
    testing::SoundRecorder sound;
    QStringList order;
    auto windows = ledgora::createWindows([&](const QString& name) { order << name; });
    QCOMPARE(order,
             (QStringList{"Form1", "FormRachunek", "Faktura_RR", "FormVat", "Poczta", "Form13", "Form5"}));
    QCOMPARE(ledgora::windows(), windows.get());
    const QList<QWidget*> all{windows->Form1.get(),   windows->FormRachunek.get(), windows->Faktura_RR.get(),
                              windows->FormVat.get(), windows->Poczta.get(),       windows->Form13.get(),
                              windows->Form5.get()};
    for (QWidget* w : all)
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    // building the main window is not a change of page
    QVERIFY(sound.played.isEmpty());
    QCOMPARE(windows->Form1->statusText(), QStringLiteral("Wystawianie faktur, drukowanie"));
    windows.reset();
    QCOMPARE(ledgora::windows(), nullptr);
}

void StartupTest::vatInvoiceReadsTheInvoicePagesCorrectionTitle() {
    auto windows = ledgora::createWindows();
    report::PageStore store;
    QVERIFY(windows->FormVat->Report1.Compose(store));
    QCOMPARE(windows->FormVat->correctionTitle(), QStringLiteral("Tytuł KOrekty"));
}

void StartupTest::runEndsWithZeroWhenTheMainWindowCloses() {
    bool shown = false;
    QTimer::singleShot(0, [&] {
        shown = ledgora::windows()->Form1->isVisible();
        ledgora::windows()->Form1->close();
    });
    QCOMPARE(ledgora::run(), 0);
    QVERIFY(shown);
    QCOMPARE(ledgora::windows(), nullptr);
}

void StartupTest::closingTheMainWindowEndsTheProgramWithSmallWindowsOpen() {
    QTimer::singleShot(0, [] {
        ledgora::windows()->Form13->show();
        ledgora::windows()->Form5->show();
        QTimer::singleShot(0, [] { ledgora::windows()->Form1->close(); });
    });
    QCOMPARE(ledgora::run(), 0);
    QCOMPARE(ledgora::windows(), nullptr);
}

void StartupTest::errorDuringStartUpIsShownAndEndsWithZero() {
    testing::MessageRecorder boxes;
    QStringList made;
    const int rc = ledgora::run([&](const QString& name) {
        made << name;
        if (name == u"FormVat")
            throw platform::Error(QStringLiteral("Cannot create the VAT invoice window"));
    });
    QCOMPARE(rc, 0);
    QCOMPARE(made.size(), 4);
    QCOMPARE(boxes.boxes.size(), size_t(1));
    QCOMPARE(boxes.boxes[0].title, QStringLiteral("ledgora"));
    QCOMPARE(boxes.boxes[0].text, QStringLiteral("Cannot create the VAT invoice window."));
    QCOMPARE(boxes.boxes[0].icon, platform::BoxIcon::Stop);
    QCOMPARE(ledgora::windows(), nullptr);
}

void StartupTest::programWithoutDisplaySaysSoAndEndsCleanly() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(LEDGORA_BINARY), {});
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    const QString err = QString::fromLocal8Bit(program.readAllStandardError()).trimmed();
    QVERIFY2(err.contains(u"xvfb-run make run") && !err.contains(u'\n'), qPrintable(err));
}

void StartupTest::programStartsAndClosesUnderOffscreen() {
    // Command-line options are not the program's: Qt must not take "-platform xcb" from it.
    QProcess program;
    program.start(QStringLiteral(LEDGORA_BINARY), {"-platform", "xcb"});
    QVERIFY(program.waitForStarted());
    QVERIFY2(!program.waitForFinished(1500), program.readAllStandardError().constData());
    program.terminate();
    QVERIFY(program.waitForFinished(10000));
}

LEDGORA_TEST_MAIN(StartupTest)
#include "tst_startup.moc"
