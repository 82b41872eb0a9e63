// The main window frame: status band per page, stepping with Ctrl+Tab, the button sound.
#include "Support.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "kit/CoolBar.h"
#include "kit/PageControl.h"
#include "kit/SpeedButton.h"

#include <QCheckBox>
#include <QTabBar>

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void frame();
    void statusTextFollowsThePage_data();
    void statusTextFollowsThePage();
    void ctrlTabStepsAndWraps_data();
    void ctrlTabStepsAndWraps();
    void soundOnlyWhileCheckBox4IsChecked();
    void toolbarButtonsNameThemselvesByTheirHints();

private:
    std::unique_ptr<ledgora::Windows> windows_;
    TForm1* form() const { return windows_->Form1.get(); }
};

void MainWindowTest::init() {
    windows_ = ledgora::createWindows();
    form()->show();
    QVERIFY(QTest::qWaitForWindowExposed(form()));
}

void MainWindowTest::cleanup() {
    windows_.reset();
}

void MainWindowTest::frame() {
    QCOMPARE(form()->windowTitle(), QStringLiteral("Ledgora professional wer. 1.6"));
    QCOMPARE(form()->size(), QSize(792, 553));
    QCOMPARE(form()->minimumSize(), form()->maximumSize());
    QVERIFY(!(form()->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(form()->PageControl1->currentIndex(), 0);
    const QStringList captions = {
        "Faktury", "Wystawione dokumenty", "Sprzedawcy", "Nabywcy", "Produkty", "Przelewy", "Raporty", "ZUS",
        "Opcje"};
    for (int i = 0; i < captions.size(); ++i) {
        QCOMPARE(form()->PageControl1->tabText(i), captions[i]);
        QVERIFY(form()->PageControl1->isTabVisible(i));
        QCOMPARE(form()->PageControl1->page(i)->size(), QSize(784, 456));
        QCOMPARE(form()->PageControl1->page(i)->accessibleName(), captions[i]);
    }
    QVERIFY(!form()->windowIcon().isNull());
}

void MainWindowTest::statusTextFollowsThePage_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("status");
    QTest::newRow("Faktury, coming back") << 3 << 0 << "Wystawianie faktur,rachunków drukowanie";
    QTest::newRow("Wystawione dokumenty") << 0 << 1 << "Przegląd wystawionych dokumentów";
    QTest::newRow("Sprzedawcy") << 0 << 2 << "Dane sprzedawców, edycja...";
    QTest::newRow("Nabywcy") << 0 << 3 << "Dane nabywców, edycja...";
    QTest::newRow("Produkty") << 0 << 4 << "Towary, usługi , edycja...";
    QTest::newRow("Przelewy") << 0 << 5 << "Wpłaty bankowe, przelewy pocztowe..";
    QTest::newRow("Raporty") << 0 << 6 << "Wykresy - ilosc, cena produktów, czas...";
    QTest::newRow("ZUS") << 0 << 7 << "ZUS, należności z tytułu składek";
    QTest::newRow("Opcje") << 0 << 8 << "Opcje";
}

void MainWindowTest::statusTextFollowsThePage() {
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, status);
    form()->PageControl1->setCurrentIndex(from);
    testing::SoundRecorder sound;
    // a click on the tab, as the user changes pages
    QTabBar* tabs = form()->PageControl1->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(to).center());
    QCOMPARE(form()->PageControl1->currentIndex(), to);
    QCOMPARE(form()->statusText(), status);
    QCOMPARE(sound.played.size(), 1);
    QVERIFY(sound.played[0].endsWith(u"/Snd/buton.wav"));
}

void MainWindowTest::ctrlTabStepsAndWraps_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<bool>("back");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("status");
    QTest::newRow("next") << 0 << false << 1 << "Przegląd wystawionych dokumentów";
    QTest::newRow("previous") << 5 << true << 4 << "Towary, usługi , edycja...";
    QTest::newRow("Opcje wraps to Faktury") << 8 << false << 0 << "Wystawianie faktur,rachunków drukowanie";
    QTest::newRow("Faktury wraps to Opcje") << 0 << true << 8 << "Opcje";
}

void MainWindowTest::ctrlTabStepsAndWraps() {
    QFETCH(int, from);
    QFETCH(bool, back);
    QFETCH(int, to);
    QFETCH(QString, status);
    form()->PageControl1->setCurrentIndex(from);
    testing::SoundRecorder sound;
    // from whatever control has the focus on the page
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : form();
    if (back)
        QTest::keyClick(target, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    else
        QTest::keyClick(target, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(form()->PageControl1->currentIndex(), to);
    QCOMPARE(form()->statusText(), status);
    QCOMPARE(sound.played.size(), 1);
}

void MainWindowTest::soundOnlyWhileCheckBox4IsChecked() {
    testing::SoundRecorder sound;
    QCheckBox* on = form()->CheckBox4();
    QVERIFY(on);
    QVERIFY(on->isChecked());
    QCOMPARE(on->text(), QStringLiteral("Odtwarzaj dźwięki"));
    QCOMPARE(on->parentWidget()->objectName(), QStringLiteral("TabSheet9"));

    on->setChecked(false);
    form()->PageControl1->selectNextPage(true);
    QCOMPARE(form()->statusText(), QStringLiteral("Przegląd wystawionych dokumentów"));
    QVERIFY(sound.played.isEmpty());

    on->setChecked(true);
    form()->PageControl1->selectNextPage(false);
    QCOMPARE(form()->statusText(), QStringLiteral("Wystawianie faktur,rachunków drukowanie"));
    QCOMPARE(sound.played.size(), 1);
}

void MainWindowTest::toolbarButtonsNameThemselvesByTheirHints() {
    const auto buttons = form()->CoolBar1->findChildren<kit::SpeedButton*>();
    QCOMPARE(buttons.size(), 13);
    for (const kit::SpeedButton* b : buttons) {
        QVERIFY2(!b->toolTip().isEmpty(), qPrintable(b->objectName()));
        QCOMPARE(b->accessibleName(), b->toolTip());
        QVERIFY2(!b->glyphImage(0).isNull(), qPrintable(b->objectName()));
        QVERIFY(b->isFlat());
    }
}

LEDGORA_TEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
