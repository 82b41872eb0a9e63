// The invoice and options pages as the user finds them at start and works with them.
#include "Support.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "kit/Controls.h"
#include "kit/Layout.h"
#include "kit/PageControl.h"
#include "kit/PictureBox.h"

#include "kit/CoolBar.h"
#include "kit/SpeedButton.h"
#include "pages/Pages.h"
#include "pages/calendar/CCalendar.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>

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
    void controlsAtStart_data();
    void controlsAtStart();
    void hiddenControlsStayHidden();
    void typing_data();
    void typing();
    void fieldCombosDropButKeepNoChoice_data();
    void fieldCombosDropButKeepNoChoice();
    void lookupListsNeverOpen();
    void emptyListsStillDrop();
    void tabOrderWalkedWithTheTabKey_data();
    void tabOrderWalkedWithTheTabKey();
    void radioGroupsAreIndependent();
    void chartAreaCoversTheListBox();
    void recordButtonsDoNothing();
    void gridsShowTitlesInTheirFixedColour_data();
    void gridsShowTitlesInTheirFixedColour();
    void captionsFitTheirControls();
    void tabsFitTheirStrip();
    void laterPagesAreBuiltAfterTheFirstPaint();
    void transferCalendarShowsToday();

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

namespace {

// What a control shows: an editable box's text, a list's chosen row, a button's check.
QString stateOf(QWidget* w) {
    if (auto* combo = qobject_cast<QComboBox*>(w))
        return combo->isEditable() ? combo->currentText() : QString::number(combo->currentIndex());
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked");
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    return {};
}

} // namespace

void PagesTest::controlsAtStart_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("state");
    // issued documents
    QTest::newRow("year box empty") << "ComboBox11"
                                    << "";
    QTest::newRow("month list, no choice") << "ComboBox6"
                                           << "-1";
    QTest::newRow("category list, no choice") << "ComboBox2"
                                              << "-1";
    QTest::newRow("buyer filter, no choice") << "ComboBox7"
                                             << "-1";
    QTest::newRow("details unchecked") << "CheckBox7"
                                       << "unchecked";
    // transfers
    QTest::newRow("form kind, no choice") << "ComboBox4"
                                          << "-1";
    QTest::newRow("amount") << "Edit6"
                            << "0,00";
    QTest::newRow("date on the form") << "CheckBox5"
                                      << "checked";
    QTest::newRow("hidden wpłata") << "RadioButton16"
                                   << "checked";
    QTest::newRow("hidden przelew") << "RadioButton17"
                                    << "unchecked";
    // reports
    QTest::newRow("chart of, no choice") << "ComboBox3"
                                         << "-1";
    QTest::newRow("source, no choice") << "ComboBox8"
                                       << "-1";
    QTest::newRow("2D") << "RadioButton11"
                        << "checked";
    QTest::newRow("3D") << "RadioButton10"
                        << "unchecked";
    QTest::newRow("bar chart") << "RadioButton12"
                               << "checked";
    QTest::newRow("graphic analysis") << "RadioButton18"
                                      << "checked";
    QTest::newRow("hidden year box") << "ComboBox9"
                                     << "2000";
    QTest::newRow("hidden Rok") << "RadioButton8"
                                << "checked";
    // ZUS
    QTest::newRow("document box empty") << "ComboBox13"
                                        << "";
    QTest::newRow("payment kind, no choice") << "ComboBox12"
                                             << "-1";
    QTest::newRow("zus year empty") << "ComboBox14"
                                    << "";
    QTest::newRow("zus month empty") << "ComboBox15"
                                     << "";
    QTest::newRow("declaration") << "Edit17"
                                 << "1";
    QTest::newRow("social") << "CheckBox1"
                            << "checked";
    QTest::newRow("health") << "CheckBox9"
                            << "checked";
    QTest::newRow("FP") << "CheckBox10"
                        << "checked";
    QTest::newRow("social amount") << "Edit16"
                                   << "0,00";
    QTest::newRow("total") << "Edit15"
                           << "0,00";
    QTest::newRow("wpłata") << "RadioButton4"
                            << "checked";
    QTest::newRow("przelew") << "RadioButton15"
                             << "unchecked";
}

void PagesTest::controlsAtStart() {
    QFETCH(QString, control);
    QFETCH(QString, state);
    QCOMPARE(stateOf(get<QWidget>(qPrintable(control))), state);
}

void PagesTest::hiddenControlsStayHidden() {
    const char* hidden[] = {"DBGrid6",       "Label74",   "DBEdit26",     "Shape16",      "RadioButton16",
                            "RadioButton17", "GroupBox3", "RadioButton8", "RadioButton9", "ComboBox10"};
    auto* details = get<QCheckBox>("CheckBox7");
    details->click(); // the details check box shows nothing
    QVERIFY(details->isChecked());
    for (const char* name : hidden)
        QVERIFY2(get<QWidget>(name)->isHidden(), name);
    // every page once on screen: still hidden, and what is not hidden shows
    for (int i = 0; i < pages::pageCount; ++i) {
        windows_->Form1->PageControl1->setCurrentIndex(i);
        for (const char* name : hidden)
            QVERIFY2(!get<QWidget>(name)->isVisible(), name);
    }
    windows_->Form1->PageControl1->setCurrentIndex(6);
    QVERIFY(get<QWidget>("ComboBox9")->isVisibleTo(get<QWidget>("TabSheet7")) == false);
    QVERIFY(get<QWidget>("GroupBox4")->isVisible());
}

void PagesTest::typing_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("seller field takes no typing") << "DBEdit35"
                                                  << "Jan"
                                                  << "";
    QTest::newRow("buyer field takes no typing") << "DBEdit16"
                                                 << "a@b"
                                                 << "";
    QTest::newRow("product price takes no typing") << "DBEdit29"
                                                   << "12"
                                                   << "";
    QTest::newRow("amount in words takes no typing") << "Edit7"
                                                     << "sto"
                                                     << "";
    QTest::newRow("zus total takes no typing") << "Edit15"
                                               << "9"
                                               << "0,00";
    QTest::newRow("amount takes any text") << "Edit6"
                                           << "x"
                                           << "0,00x";
    QTest::newRow("search text") << "Edit13"
                                 << "FV"
                                 << "FV";
    QTest::newRow("year box takes typed text") << "ComboBox11"
                                               << "1999"
                                               << "1999";
    QTest::newRow("zus document box") << "ComboBox13"
                                      << "ZUS DRA"
                                      << "ZUS DRA";
    QTest::newRow("month list takes no typing") << "ComboBox6"
                                                << "x"
                                                << "-1";
    QTest::newRow("form kind takes no typing") << "ComboBox4"
                                               << "zz"
                                               << "-1";
}

void PagesTest::typing() {
    QFETCH(QString, control);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QWidget* w = get<QWidget>(qPrintable(control));
    QWidget* page = w->parentWidget();
    while (page && !page->objectName().startsWith(u"TabSheet"))
        page = page->parentWidget();
    QVERIFY(page);
    for (int i = 0; i < pages::pageCount; ++i)
        if (windows_->Form1->PageControl1->page(i) == page)
            windows_->Form1->PageControl1->setCurrentIndex(i);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setCursorPosition(edit->text().size());
    w->setFocus();
    QTest::keyClicks(w, typed);
    QCOMPARE(stateOf(w), shown);
}

void PagesTest::fieldCombosDropButKeepNoChoice_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("units") << "DBComboBox1" << QStringList{"szt.", "metr", "litr",  "opak.", "egz.",
                                                           "but.", "doba", "godz.", "kg",    "km"};
    QTest::newRow("rates") << "DBComboBox2" << QStringList{"zw.", "0", "3", "7", "22"};
}

void PagesTest::fieldCombosDropButKeepNoChoice() {
    QFETCH(QString, control);
    QFETCH(QStringList, items);
    windows_->Form1->PageControl1->setCurrentIndex(4);
    auto* combo = get<QComboBox>(qPrintable(control));
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown << combo->itemText(i);
    QCOMPARE(shown, items);
    combo->showPopup();
    QTRY_VERIFY(combo->view()->isVisible());
    QTest::keyClick(combo->view(), Qt::Key_Down);
    QTest::keyClick(combo->view(), Qt::Key_Return);
    QTRY_VERIFY(!combo->view()->isVisible());
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(combo->currentText(), QString());
}

void PagesTest::lookupListsNeverOpen() {
    for (const char* name :
         {"DBLookupComboBox1", "DBLookupComboBox2", "DBLookupComboBox6", "DBLookupComboBox5"}) {
        auto* lookup = get<QComboBox>(name);
        QCOMPARE(lookup->count(), 0);
        lookup->showPopup();
        QVERIFY2(!lookup->view()->isVisible(), name);
        QVERIFY2(!QApplication::activePopupWidget(), name);
    }
    QCOMPARE(get<QWidget>("DBLookupComboBox1")->property("field").toString(), QStringLiteral("Nr"));
    QCOMPARE(get<QWidget>("DBLookupComboBox6")->property("listField").toString(), QStringLiteral("Nazwisko"));
}

void PagesTest::emptyListsStillDrop() {
    for (const char* name : {"ComboBox17", "ComboBox18", "ComboBox13"}) {
        windows_->Form1->PageControl1->setCurrentIndex(QByteArray(name) == "ComboBox13" ? 7 : 0);
        auto* combo = get<kit::ComboBox>(name);
        QCOMPARE(combo->count(), 0);
        combo->showPopup();
        QWidget* list = combo->emptyList();
        QVERIFY2(list && list->isVisible(), name);
        QCOMPARE(list->width(), combo->width());
        QCOMPARE(list->mapToGlobal(QPoint(0, 0)), combo->mapToGlobal(QPoint(0, combo->height())));
        combo->hidePopup();
        QVERIFY2(!combo->emptyList(), name);
        QCOMPARE(combo->currentText(), QString());
    }
}

void PagesTest::tabOrderWalkedWithTheTabKey_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("issued documents") << 1 << QStringList{"ComboBox11", "ComboBox6", "ComboBox2", "ComboBox7",
                                                          "Edit13",     "CheckBox7", "DBGrid4"};
    QTest::newRow("sellers") << 2 << QStringList{"DBEdit35", "DBEdit1",  "DBEdit5",  "DBEdit8",  "DBEdit11",
                                                 "DBEdit2",  "DBEdit6",  "DBEdit9",  "DBEdit32", "DBEdit34",
                                                 "DBEdit37", "DBEdit33", "DBEdit10", "DBEdit3",  "DBEdit7",
                                                 "DBEdit4",  "DBEdit12", "DBGrid2"};
    QTest::newRow("buyers") << 3 << QStringList{"DBEdit36", "DBEdit13", "DBEdit17", "DBEdit20", "DBEdit23",
                                                "DBEdit14", "DBEdit18", "DBEdit21", "DBEdit24", "DBEdit15",
                                                "DBEdit19", "DBEdit22", "DBEdit16", "DBGrid3"};
    QTest::newRow("products") << 4
                              << QStringList{"DBEdit25", "DBComboBox1", "DBEdit29", "DBEdit27", "DBComboBox2",
                                             "DBEdit28", "DBEdit30",    "DBEdit31", "DBGrid1"};
    QTest::newRow("transfers") << 5 << QStringList{"CheckBox5", "ComboBox4",         "DBLookupComboBox1",
                                                   "Edit8",     "DBLookupComboBox2", "Edit7",
                                                   "Edit6",     "CCalendar1"};
    QTest::newRow("reports") << 6 << QStringList{"ComboBox3",     "ComboBox8", "RadioButton11",
                                                 "RadioButton12", "DBGrid7",   "RadioButton18"};
    QTest::newRow("zus") << 7 << QStringList{"DBLookupComboBox6",
                                             "ComboBox13",
                                             "ComboBox12",
                                             "ComboBox14",
                                             "ComboBox15",
                                             "Edit17",
                                             "CheckBox1",
                                             "CheckBox9",
                                             "CheckBox10",
                                             "Edit16",
                                             "Edit18",
                                             "Edit19",
                                             "Edit15",
                                             "RadioButton4"};
}

void PagesTest::tabOrderWalkedWithTheTabKey() {
    QFETCH(int, page);
    QFETCH(QStringList, order);
    TForm1* form = windows_->Form1.get();
    QApplication::setActiveWindow(form);
    QVERIFY(QTest::qWaitForWindowActive(form));
    form->PageControl1->setCurrentIndex(page);
    QWidget* first = get<QWidget>(qPrintable(order.front()));
    first->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(first->hasFocus() || first->isAncestorOf(QApplication::focusWidget()));
    // the named control that holds the focus (a combo box's own edit stands for its box)
    auto focused = [] {
        for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
            if (!w->objectName().isEmpty() && !w->objectName().startsWith(u"qt_"))
                return w->objectName();
        return QString();
    };
    QStringList walked{focused()};
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked << focused();
    }
    QCOMPARE(walked, order);
}

void PagesTest::radioGroupsAreIndependent() {
    auto* threeD = get<QRadioButton>("RadioButton10");
    threeD->click();
    QVERIFY(threeD->isChecked());
    QVERIFY(!get<QRadioButton>("RadioButton11")->isChecked());
    QVERIFY(get<QRadioButton>("RadioButton12")->isChecked());
    QVERIFY(get<QRadioButton>("RadioButton18")->isChecked());
    get<QRadioButton>("RadioButton13")->click();
    QVERIFY(!get<QRadioButton>("RadioButton12")->isChecked());
    QVERIFY(threeD->isChecked());
    get<QRadioButton>("RadioButton15")->click();
    QVERIFY(!get<QRadioButton>("RadioButton4")->isChecked());
    QVERIFY(get<QRadioButton>("RadioButton16")->isChecked()); // the transfers page's pair is its own
}

void PagesTest::chartAreaCoversTheListBox() {
    windows_->Form1->PageControl1->setCurrentIndex(6);
    QWidget* chart = get<QWidget>("RpShape1");
    QWidget* list = get<QWidget>("ListBox1");
    QWidget* inner = chart->parentWidget();
    QCOMPARE(list->parentWidget(), inner);
    QVERIFY(inner->children().indexOf(chart) > inner->children().indexOf(list));
    QVERIFY(list->isVisible()); // there, but covered
    // inside the sunken border, cut off where the inner area ends
    QVERIFY(inner->width() < 569 && inner->height() < 281);
    QCOMPARE(chart->size(), QSize(569, 281));
    const QImage shot = get<QWidget>("ScrollBox1")->grab().toImage();
    const QPoint overList = inner->mapTo(get<QWidget>("ScrollBox1"), list->geometry().center());
    QCOMPARE(QColor(shot.pixel(overList)), QColor(Qt::white));
}

void PagesTest::recordButtonsDoNothing() {
    TForm1* form = windows_->Form1.get();
    form->PageControl1->setCurrentIndex(2);
    const QString status = form->statusText();
    for (const char* name : {"SpeedButton31", "SpeedButton18", "SpeedButton22", "SpeedButton51",
                             "SpeedButton27", "SpeedButton17", "SpeedButton64", "SpeedButton65"}) {
        auto* button = get<kit::SpeedButton>(name);
        button->click();
        QVERIFY2(!QApplication::activeModalWidget(), name);
    }
    QCOMPARE(form->statusText(), status);
    QCOMPARE(form->PageControl1->currentIndex(), 2);
    QCOMPARE(get<QWidget>("SpeedButton18")->toolTip(), QStringLiteral("Dodaj nowy rekord"));
    QCOMPARE(get<QWidget>("SpeedButton17")->toolTip(), QStringLiteral("Usuń aktualny rekord"));
    QCOMPARE(get<QWidget>("SpeedButton17")->x(), 320);
    QCOMPARE(get<QWidget>("SpeedButton51")->x(), 571);
    QCOMPARE(get<QWidget>("SpeedButton32")->x(), 572);
    QCOMPARE(get<QWidget>("SpeedButton64")->toolTip(),
             QStringLiteral("Zapisuje wykres jako plik graficzny w formacie wmf"));
}

void PagesTest::gridsShowTitlesInTheirFixedColour_data() {
    QTest::addColumn<QString>("grid");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QColor>("fixed");
    QTest::newRow("invoice items") << "DBGrid5" << 11 << QColor(0x5252a5);
    QTest::newRow("documents") << "DBGrid4" << 7 << QColor(0x5252a5);
    QTest::newRow("sellers") << "DBGrid2" << 17 << QColor(0x5252a5);
    QTest::newRow("buyers") << "DBGrid3" << 13 << QColor(0x5252a5);
    QTest::newRow("products") << "DBGrid1" << 7 << QColor(0x5252a5);
    QTest::newRow("reports") << "DBGrid7" << 2 << QColor(0x5252a5);
}

void PagesTest::gridsShowTitlesInTheirFixedColour() {
    QFETCH(QString, grid);
    QFETCH(int, columns);
    QFETCH(QColor, fixed);
    auto* g = get<kit::RecordGrid>(qPrintable(grid));
    QCOMPARE(g->columnCount(), columns);
    QCOMPARE(g->rowCount(), 0);
    const QImage shot = g->grab().toImage();
    const int frame = g->frameWidth();
    // the corner cell, the indicator column below it and the title row
    QCOMPARE(QColor(shot.pixel(frame + 3, frame + 3)), fixed);
    QCOMPARE(QColor(shot.pixel(frame + 4, g->height() / 2)), fixed);
    QCOMPARE(QColor(shot.pixel(g->width() / 2, frame + 2)).rgb(), fixed.rgb());
}

void PagesTest::captionsFitTheirControls() {
    for (int i = 0; i < pages::pageCount; ++i) {
        QWidget* page = windows_->Form1->PageControl1->page(i);
        for (QAbstractButton* b : page->findChildren<QAbstractButton*>()) {
            if (!qobject_cast<QCheckBox*>(b) && !qobject_cast<QRadioButton*>(b))
                continue;
            // the room beside the box holds the whole caption
            QStyleOptionButton option;
            option.initFrom(b);
            option.text = b->text();
            const bool check = qobject_cast<QCheckBox*>(b);
            const QRect room = b->style()->subElementRect(
                check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &option, b);
            QVERIFY2(room.width() >= b->fontMetrics().horizontalAdvance(b->text()),
                     qPrintable(b->objectName() + QStringLiteral(" is cut off: ") + b->text()));
        }
    }
}

void PagesTest::tabsFitTheirStrip() {
    auto* tabs = windows_->Form1->PageControl1->findChild<QTabBar*>();
    QVERIFY(tabs);
    for (int i = 0; i < tabs->count(); ++i)
        QVERIFY(tabs->tabRect(i).bottom() < tabs->height());
    QCOMPARE(tabs->geometry().bottom() + 1, kit::PageControl::pageOrigin.y());
}

void PagesTest::laterPagesAreBuiltAfterTheFirstPaint() {
    windows_.reset();
    windows_ = ledgora::createWindows();
    TForm1* form = windows_->Form1.get();
    // before the window is painted: the shown page and the options page only
    QVERIFY(form->pagesPending());
    QVERIFY(form->PageControl1->page(5)->children().isEmpty());
    QVERIFY(!form->PageControl1->page(0)->children().isEmpty());
    QVERIFY(!form->PageControl1->page(8)->children().isEmpty());
    // asking for a control of a later page builds it at once
    QVERIFY(form->control(QStringLiteral("Edit6")));
    QVERIFY(!form->pagesPending());
    // its background holds the same tiles as the first page's
    const QImage first = form->control<kit::PictureBox>(QStringLiteral("Image2"))->picture().image();
    for (const char* name : TForm1::backgroundTargets)
        QCOMPARE(form->control<kit::PictureBox>(QString::fromLatin1(name))->picture().image(), first);

    // and without asking: right after the first paint
    windows_.reset();
    windows_ = ledgora::createWindows();
    form = windows_->Form1.get();
    QVERIFY(form->pagesPending());
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QTRY_VERIFY(!form->pagesPending());
    // the issued documents page's buttons have their handlers
    testing::MessageRecorder messages;
    form->PageControl1->setCurrentIndex(1);
    form->control<QAbstractButton>(QStringLiteral("SpeedButton10"))->click();
    QCOMPARE(messages.boxes.size(), size_t(1));
}

void PagesTest::transferCalendarShowsToday() {
    // a month starting on a Sunday, weeks from Monday: the 1st stands in the last column
    pages::TCCalendar::SetToday(QDate(2021, 8, 18));
    windows_.reset();
    windows_ = ledgora::createWindows();
    auto* calendar = get<pages::TCCalendar>("CCalendar1");
    pages::TCCalendar::SetToday(QDate());
    QCOMPARE(calendar->CalendarDate(), QDate(2021, 8, 18));
    QCOMPARE(calendar->StartOfWeek(), 1);
    QCOMPARE(calendar->Color(), QColor(Qt::white));
    QCOMPARE(calendar->geometry(), QRect(495, 145, 225, 153));
    QCOMPARE(calendar->GetCellText(6, 1), QStringLiteral("1"));
    QCOMPARE(calendar->GetCellText(0, 1), QString());
}

LEDGORA_TEST_MAIN(PagesTest)
#include "tst_pages.moc"
