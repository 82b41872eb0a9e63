// The invoice and options pages as the user finds them at start and works with them.
#include "Support.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "kit/Controls.h"
#include "kit/Layout.h"
#include "kit/PageControl.h"
#include "kit/PictureBox.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

class PagesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { windows_.reset(); }
    void documentKindIsExclusive();
    void invoicePageAtStart();
    void totalsTakeFocusButNoTyping();
    void itemGridShowsTitlesAndNoRows();
    void graphicControlsLieBelowWindowedOnes_data();
    void graphicControlsLieBelowWindowedOnes();
    void optionsPageAtStart();
    void printFormIsExclusive();

private:
    std::unique_ptr<ledgora::Windows> windows_;
    template <typename T> T* get(const char* name) {
        T* w = windows_->Form1->control<T>(QString::fromLatin1(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
};

void PagesTest::init() {
    windows_ = ledgora::createWindows();
    windows_->Form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(windows_->Form1.get()));
}

void PagesTest::documentKindIsExclusive() {
    auto* vat = get<QRadioButton>("RadioButton1");
    auto* rr = get<QRadioButton>("RadioButton2");
    auto* bill = get<QRadioButton>("RadioButton3");
    QVERIFY(vat->isChecked());
    QTest::mouseClick(rr, Qt::LeftButton, {}, QPoint(5, rr->height() / 2));
    QVERIFY(rr->isChecked());
    QVERIFY(!vat->isChecked());
    QTest::mouseClick(bill, Qt::LeftButton, {}, QPoint(5, bill->height() / 2));
    QCOMPARE(int(vat->isChecked()) + int(rr->isChecked()) + int(bill->isChecked()), 1);
    // clicking the checked one does not uncheck it
    QTest::mouseClick(bill, Qt::LeftButton, {}, QPoint(5, bill->height() / 2));
    QVERIFY(bill->isChecked());
}

void PagesTest::invoicePageAtStart() {
    QCOMPARE(get<QDateEdit>("DateTimePicker1")->date(), QDate(2000, 9, 4));
    QCOMPARE(get<QDateEdit>("DateTimePicker2")->date(), QDate(2000, 9, 4));
    QCOMPARE(get<QComboBox>("ComboBox16")->currentText(), QStringLiteral("14 dni"));
    QCOMPARE(get<QComboBox>("ComboBox5")->currentText(), QStringLiteral("gotówka"));
    QVERIFY(!get<QCheckBox>("CheckBox8")->isChecked());
    auto* title = get<QLabel>("Label78");
    QCOMPARE(title->text(), QStringLiteral("Tytuł KOrekty"));
    QVERIFY(!title->isVisible());
    // the seller and buyer boxes take typed text and open empty lists
    auto* seller = get<QComboBox>("ComboBox17");
    QVERIFY(seller->isEditable());
    QCOMPARE(seller->count(), 0);
    seller->setFocus();
    QTest::keyClicks(seller, "Bartolex");
    QCOMPARE(seller->currentText(), QStringLiteral("Bartolex"));
    auto* product = get<QComboBox>("DBLookupComboBox5");
    QTest::mouseClick(product, Qt::LeftButton);
    QVERIFY(!product->view()->isVisible());
    QVERIFY(product->hasFocus());
}

void PagesTest::totalsTakeFocusButNoTyping() {
    for (const char* name : {"Edit2", "Edit3", "Edit4", "Edit5"}) {
        auto* edit = get<QLineEdit>(name);
        edit->setFocus();
        QTest::keyClicks(edit, "123");
        QVERIFY2(edit->text().isEmpty(), name);
        QVERIFY2(edit->hasFocus(), name);
    }
}

void PagesTest::itemGridShowsTitlesAndNoRows() {
    auto* grid = get<kit::RecordGrid>("DBGrid5");
    QCOMPARE(grid->rowCount(), 0);
    QCOMPARE(grid->columnCount(), 11);
    QCOMPARE(grid->horizontalHeaderItem(2)->text(), QStringLiteral("Ilość"));
    QCOMPARE(grid->field(2), QStringLiteral("Ilosc"));
    QCOMPARE(grid->pickList(3).size(), 10);
    QCOMPARE(grid->pickList(8), (QStringList{"zw.", "0", "3", "7", "22"}));
    QCOMPARE(grid->horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
}

void PagesTest::graphicControlsLieBelowWindowedOnes_data() {
    QTest::addColumn<QString>("page");
    QTest::newRow("invoice") << "TabSheet1";
    QTest::newRow("options") << "TabSheet9";
}

void PagesTest::graphicControlsLieBelowWindowedOnes() {
    QFETCH(QString, page);
    QWidget* p = windows_->Form1->control(page);
    QVERIFY(p);
    bool windowedSeen = false;
    QString background;
    for (QObject* child : p->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w)
            continue;
        const bool graphic = qobject_cast<QLabel*>(w) || qobject_cast<kit::PictureBox*>(w) ||
                             w->inherits("kit::Shape") || w->inherits("kit::SpeedButton");
        QVERIFY2(!(graphic && windowedSeen), qPrintable(w->objectName() + " lies above a windowed control"));
        windowedSeen = windowedSeen || !graphic;
        if (background.isEmpty())
            background = w->objectName();
    }
    // the background picture box is the rearmost element of its page
    QVERIFY(background == u"Image2" || background == u"Image8");
}

void PagesTest::optionsPageAtStart() {
    auto* formats = get<QComboBox>("ComboBox1");
    QCOMPARE(formats->count(), 12);
    QCOMPARE(formats->currentText(), QStringLiteral("mm\\yyyy"));
    QCOMPARE(formats->itemText(4), QStringLiteral("dd\\mm\\yy"));
    QCOMPARE(formats->itemText(5), formats->itemText(4));
    QCOMPARE(formats->itemText(9), QStringLiteral("\"Kraków\"\\mm\\yy"));
    QCOMPARE(formats->itemText(11), QStringLiteral("mm\\yy\\\"A1\""));
    QCOMPARE(get<QLineEdit>("Edit11")->text(), QStringLiteral("Dziękujemy"));
    auto* date = get<QCheckBox>("CheckBox2");
    QVERIFY(date->isChecked());
    windows_->Form1->PageControl1->setCurrentIndex(8);
    QVERIFY(!date->isVisible());
    QVERIFY(get<QCheckBox>("CheckBox3")->isVisible());
    QVERIFY(!get<QCheckBox>("CheckBox6")->isChecked());
    const auto* tile = get<kit::PictureBox>("ImageBufer");
    QCOMPARE(tile->picture().size(), QSize(100, 100));
    QCOMPARE(get<kit::PictureBox>("Image3")->picture().size(), QSize(180, 70));
}

void PagesTest::printFormIsExclusive() {
    auto* both = get<QRadioButton>("RadioButton6");
    auto* copy = get<QRadioButton>("RadioButton21");
    QCOMPARE(both->text(), QStringLiteral("oryginał\\kopia"));
    QVERIFY(both->isChecked());
    copy->click();
    QVERIFY(copy->isChecked());
    QVERIFY(!both->isChecked());
}

LEDGORA_TEST_MAIN(PagesTest)
#include "tst_pages.moc"
