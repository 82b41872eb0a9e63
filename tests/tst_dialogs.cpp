// The contractor search window and the about window: shown without being modal, hidden on
// close with what the user left in them, their tab orders, the search categories, fields that
// take no typing, the names a screen reader reads, and the about window's title face.
#include "Support.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "dialogs/Unit13.h"
#include "dialogs/Unit14.h"
#include "kit/Controls.h"
#include "kit/PageControl.h"
#include "kit/PictureBox.h"
#include "platform/Fonts.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QWindow>
#include <memory>

namespace {

QString accessibleName(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
}

// The family a font resolved to, without the foundry that tells apart two files of one family.
QString familyOf(const QFont& font) {
    const QString family = QFontInfo(font).family();
    return family.left(family.indexOf(QStringLiteral(" [")));
}

QStringList texts(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void searchWindowFirstOpening();
    void closingHidesTheWindow_data();
    void closingHidesTheWindow();
    void searchKeepsWhatTheUserLeft_data();
    void searchKeepsWhatTheUserLeft();
    void showingAgainRaisesTheSameWindow_data();
    void showingAgainRaisesTheSameWindow();
    void mainWindowStaysUsable();
    void searchTabOrder();
    void aboutWindowTakesNoFocus();
    void fieldsTakeNoTyping_data();
    void fieldsTakeNoTyping();
    void accessibleNames_data();
    void accessibleNames();
    void everyShownControlIsNamed();
    void categoryListIsNamedByItsLabel();
    void aboutWindowLines();
    void miniatureOfTheMainWindow();
    void titleFace_data();
    void titleFace();

private:
    // Shows a window as the main window's buttons do.
    QWidget* show(const QString& window);
    template <typename T> T* get(QWidget* window, const char* name);

    std::unique_ptr<ledgora::Windows> windows_;
    TForm13* search_ = nullptr;
    TForm5* about_ = nullptr;
};

void DialogsTest::init() {
    windows_ = ledgora::createWindows();
    search_ = windows_->Form13.get();
    about_ = windows_->Form5.get();
}

void DialogsTest::cleanup() {
    windows_.reset();
    platform::loadDisplayFace(); // a test may have taken the title face away
}

QWidget* DialogsTest::show(const QString& window) {
    QWidget* w = nullptr;
    if (window == u"Form13") {
        search_->showWindow();
        w = search_;
    } else {
        about_->showWindow();
        w = about_;
    }
    if (!QTest::qWaitForWindowExposed(w))
        return nullptr;
    return w;
}

template <typename T> T* DialogsTest::get(QWidget* window, const char* name) {
    QWidget* w = window == search_ ? search_->control(QString::fromLatin1(name))
                                   : about_->control(QString::fromLatin1(name));
    return qobject_cast<T*>(w);
}

void DialogsTest::searchWindowFirstOpening() {
    QVERIFY(!search_->isVisible());
    QVERIFY(show(QStringLiteral("Form13")));
    QCOMPARE(texts(search_->ComboBox2), (QStringList{"Nazwisko", "NIP", "firma", "Miejscowosc"}));
    QVERIFY(!search_->ComboBox2->isEditable());
    QCOMPARE(search_->ComboBox2->currentIndex(), 1);
    QCOMPARE(search_->ComboBox2->currentText(), QStringLiteral("NIP"));
    QVERIFY(search_->Edit13->text().isEmpty());
    const auto fields = search_->findChildren<kit::FieldEdit*>();
    QCOMPARE(fields.size(), 5);
    for (const kit::FieldEdit* field : fields)
        QVERIFY2(field->text().isEmpty(), qPrintable(field->objectName()));
    // The category list, first in the tab order, has the focus.
    QVERIFY(QTest::qWaitForWindowActive(search_));
    QCOMPARE(search_->focusWidget(), search_->ComboBox2);
}

void DialogsTest::closingHidesTheWindow_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("closer"); // empty: the title bar's close button
    QTest::newRow("search, Ok") << "Form13"
                                << "BitBtn1";
    QTest::newRow("search, Anuluj") << "Form13"
                                    << "BitBtn2";
    QTest::newRow("search, title bar") << "Form13"
                                       << "";
    QTest::newRow("about, zamknij") << "Form5"
                                    << "SpeedButton1";
    QTest::newRow("about, title bar") << "Form5"
                                      << "";
}

void DialogsTest::closingHidesTheWindow() {
    QFETCH(QString, window);
    QFETCH(QString, closer);
    testing::MessageRecorder boxes;
    QWidget* w = show(window);
    QVERIFY(w);
    const QPointer<QWidget> alive(w);
    const QRect where = w->geometry();
    const qsizetype topLevels = QApplication::topLevelWidgets().size();

    if (closer.isEmpty())
        w->windowHandle()->close();
    else
        QTest::mouseClick(get<QAbstractButton>(w, qPrintable(closer)), Qt::LeftButton);
    QVERIFY(alive);
    QVERIFY(!w->isVisible());
    QCOMPARE(QApplication::topLevelWidgets().size(), topLevels);
    QVERIFY(boxes.boxes.empty()); // no search is made, nothing is said

    QCOMPARE(show(window), w);
    QCOMPARE(w->geometry(), where);
}

void DialogsTest::searchKeepsWhatTheUserLeft_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("closer");
    QTest::newRow("Ok") << "Kowalski"
                        << "BitBtn1";
    QTest::newRow("Ok with no search text") << ""
                                            << "BitBtn1";
    QTest::newRow("Anuluj") << "5261040828"
                            << "BitBtn2";
    QTest::newRow("title bar") << "Radom"
                               << "";
}

void DialogsTest::searchKeepsWhatTheUserLeft() {
    QFETCH(QString, typed);
    QFETCH(QString, closer);
    testing::MessageRecorder boxes;
    QVERIFY(show(QStringLiteral("Form13")));
    // "NIP" -> "firma" by the keyboard, then the search text
    search_->ComboBox2->setFocus();
    QTest::keyClick(search_->ComboBox2, Qt::Key_Down);
    QCOMPARE(search_->ComboBox2->currentText(), QStringLiteral("firma"));
    QTest::keyClicks(search_->Edit13, typed);
    QCOMPARE(search_->Edit13->text(), typed);

    if (closer.isEmpty())
        search_->windowHandle()->close();
    else
        QTest::mouseClick(get<QAbstractButton>(search_, qPrintable(closer)), Qt::LeftButton);
    QVERIFY(!search_->isVisible());
    QVERIFY(boxes.boxes.empty());

    // Opened again, by whichever find button: as the user left it.
    QVERIFY(show(QStringLiteral("Form13")));
    QCOMPARE(search_->ComboBox2->currentText(), QStringLiteral("firma"));
    QCOMPARE(search_->Edit13->text(), typed);
}

void DialogsTest::showingAgainRaisesTheSameWindow_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("other");
    QTest::newRow("search") << "Form13"
                            << "Form5";
    QTest::newRow("about") << "Form5"
                           << "Form13";
}

void DialogsTest::showingAgainRaisesTheSameWindow() {
    QFETCH(QString, window);
    QFETCH(QString, other);
    QWidget* w = show(window);
    QVERIFY(w);
    QWidget* o = show(other);
    QVERIFY(o);
    QVERIFY(QTest::qWaitForWindowActive(o));
    const qsizetype topLevels = QApplication::topLevelWidgets().size();

    QCOMPARE(show(window), w);
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(QApplication::activeWindow(), w);
    QVERIFY(o->isVisible());
    QCOMPARE(QApplication::topLevelWidgets().size(), topLevels);
}

void DialogsTest::mainWindowStaysUsable() {
    testing::SoundRecorder silence;
    TForm1& main = *windows_->Form1;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QVERIFY(show(QStringLiteral("Form13")));
    QVERIFY(show(QStringLiteral("Form5")));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    // A click on a tab of the notebook, as the window system delivers it: a modal window
    // would swallow it.
    QTabBar* tabs = main.PageControl1->tabBar();
    const QPoint tab = tabs->mapTo(&main, tabs->tabRect(1).center());
    QTest::mouseClick(main.windowHandle(), Qt::LeftButton, {}, tab);
    QCOMPARE(main.PageControl1->currentIndex(), 1);
    QVERIFY(search_->isVisible());
    QVERIFY(about_->isVisible());
}

void DialogsTest::searchTabOrder() {
    QVERIFY(show(QStringLiteral("Form13")));
    QVERIFY(QTest::qWaitForWindowActive(search_));
    const QStringList order = {"ComboBox2", "Edit13",  "DBEdit1", "DBEdit2", "DBEdit3",
                               "DBEdit4",   "BitBtn1", "BitBtn2", "DBEdit5"};
    search_->ComboBox2->setFocus();
    QStringList forward;
    for (qsizetype i = 0; i <= order.size(); ++i) {
        forward << search_->focusWidget()->objectName();
        QTest::keyClick(search_->focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(forward, order + QStringList{order.first()}); // and round again

    search_->ComboBox2->setFocus();
    QStringList backward;
    for (qsizetype i = 0; i <= order.size(); ++i) {
        backward.prepend(search_->focusWidget()->objectName());
        QTest::keyClick(search_->focusWidget(), Qt::Key_Backtab);
    }
    QCOMPARE(backward, order + QStringList{order.first()});
}

void DialogsTest::aboutWindowTakesNoFocus() {
    // Labels, the picture and the flat speed button are graphic: nothing to tab to.
    QVERIFY(show(QStringLiteral("Form5")));
    QVERIFY(QTest::qWaitForWindowActive(about_));
    QTest::keyClick(about_, Qt::Key_Tab);
    QCOMPARE(about_->focusWidget(), nullptr);
    for (const QWidget* child : about_->findChildren<QWidget*>())
        QVERIFY2(child->focusPolicy() == Qt::NoFocus, qPrintable(child->objectName()));
}

void DialogsTest::fieldsTakeNoTyping_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("takesTyping");
    for (const char* field : {"DBEdit1", "DBEdit2", "DBEdit3", "DBEdit4", "DBEdit5"})
        QTest::newRow(field) << field << false;
    QTest::newRow("the search text") << "Edit13" << true;
}

void DialogsTest::fieldsTakeNoTyping() {
    QFETCH(QString, name);
    QFETCH(bool, takesTyping);
    QVERIFY(show(QStringLiteral("Form13")));
    auto* edit = get<QLineEdit>(search_, qPrintable(name));
    QVERIFY(edit);
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("Nowak"));
    QGuiApplication::clipboard()->setText(QStringLiteral(" Sp."));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), takesTyping ? QStringLiteral("Nowak Sp.") : QString());
    QCOMPARE(edit->focusPolicy() & Qt::TabFocus, Qt::TabFocus); // read-only, still reached by Tab
}

void DialogsTest::accessibleNames_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("spoken");
    // Fields by the label above them, buttons by their captions.
    QTest::newRow("DBEdit1") << "Form13"
                             << "DBEdit1"
                             << "Imię i nazwisko";
    QTest::newRow("DBEdit2") << "Form13"
                             << "DBEdit2"
                             << "Imię i nazwisko";
    QTest::newRow("DBEdit5") << "Form13"
                             << "DBEdit5"
                             << "NIP";
    QTest::newRow("DBEdit3") << "Form13"
                             << "DBEdit3"
                             << "ulica";
    QTest::newRow("DBEdit4") << "Form13"
                             << "DBEdit4"
                             << "miejscowość";
    QTest::newRow("Edit13") << "Form13"
                            << "Edit13"
                            << "Szukaj według kategorii:";
    QTest::newRow("BitBtn1") << "Form13"
                             << "BitBtn1"
                             << "Ok";
    QTest::newRow("BitBtn2") << "Form13"
                             << "BitBtn2"
                             << "Anuluj";
    QTest::newRow("SpeedButton1") << "Form5"
                                  << "SpeedButton1"
                                  << "zamknij";
    QTest::newRow("Label7") << "Form5"
                            << "Label7"
                            << "Ledgora";
}

void DialogsTest::accessibleNames() {
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(QString, spoken);
    QWidget* w = show(window);
    QVERIFY(w);
    QWidget* control = get<QWidget>(w, qPrintable(name));
    QVERIFY(control);
    QCOMPARE(accessibleName(control), spoken);
}

void DialogsTest::everyShownControlIsNamed() {
    for (const char* window : {"Form13", "Form5"}) {
        QWidget* w = show(QString::fromLatin1(window));
        QVERIFY(w);
        for (QWidget* child : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(child);
            QVERIFY(a);
            if (!child->isVisible()) {
                QVERIFY2(a->state().invisible, qPrintable(child->objectName()));
                continue;
            }
            QVERIFY2(!a->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(child->objectName()));
            if (auto* label = qobject_cast<QLabel*>(child))
                QCOMPARE(a->text(QAccessible::Name), label->text());
        }
    }
}

void DialogsTest::categoryListIsNamedByItsLabel() {
    // A list that only picks is read by its choice, and by the label that stands for it.
    QVERIFY(show(QStringLiteral("Form13")));
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(search_->ComboBox2);
    QCOMPARE(list->text(QAccessible::Value), QStringLiteral("NIP"));
    const auto labels = list->relations(QAccessible::Label);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.first().first->text(QAccessible::Name), QStringLiteral("Szukaj według kategorii:"));
    QCOMPARE(search_->ComboBox2->accessibleName(), QStringLiteral("Szukaj według kategorii:"));
}

void DialogsTest::aboutWindowLines() {
    QVERIFY(show(QStringLiteral("Form5")));
    QVERIFY(!get<QLabel>(about_, "Label4")->isVisible()); // "wersja demonstracyjna", never shown
    const QRect miniature = get<QWidget>(about_, "Image1")->geometry();
    // The contact lines and the edition label end at one right edge, whatever their texts,
    // and stay clear of the miniature.
    for (const char* name : {"Label4", "Label1", "Label5", "Label6", "Label3"}) {
        const QRect line = get<QLabel>(about_, name)->geometry();
        QCOMPARE(line.x() + line.width(), 374);
        QVERIFY2(line.left() > miniature.right(), name);
    }
    QVERIFY(get<QLabel>(about_, "Label3")->font().underline());
    for (const char* name : {"Label2", "Label7"})
        QVERIFY2(about_->rect().contains(get<QLabel>(about_, name)->geometry()), name);
    // The title in the face that stands in for the decorative one.
    const QFont title = get<QLabel>(about_, "Label7")->font();
    QCOMPARE(familyOf(title), platform::loadDisplayFace());
    QVERIFY(QFontInfo(title).bold());
}

void DialogsTest::miniatureOfTheMainWindow() {
    auto* box = get<kit::PictureBox>(about_, "Image1");
    QVERIFY(box);
    const QImage picture = box->picture().image();
    QCOMPARE(picture.size(), QSize(133, 94));
    QCOMPARE(box->size(), picture.size()); // the box is sized to its picture
    // A picture, not a blank: the toolbar's dark teal above the page's light background.
    QVERIFY(qGray(picture.pixel(2, 3)) < 128);
    QVERIFY(qGray(picture.pixel(66, 60)) > qGray(picture.pixel(2, 3)));

    QFile file(QStringLiteral(":/about/miniature.bmp"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    QCOMPARE(header.left(2), QByteArray("BM"));
    QCOMPARE(quint8(header[28]) | quint8(header[29]) << 8, 24); // bits per pixel
}

void DialogsTest::titleFace_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixelSize"); // a size no other font here asks for: a fresh look-up
    QTest::newRow("face installed") << "/usr/share/fonts/opentype/urw-base35/URWBookman-Demi.otf"
                                    << "URW Bookman" << 41;
    QTest::newRow("face missing") << "/nonexistent/URWBookman-Demi.otf"
                                  << "Liberation Serif" << 43;
}

void DialogsTest::titleFace() {
    QFETCH(QString, file);
    QFETCH(QString, family);
    QFETCH(int, pixelSize);
    QCOMPARE(platform::loadDisplayFace(file), family);
    const QFont font = platform::pixelFont(QStringLiteral("Benguiat Bk BT"), pixelSize, true);
    QCOMPARE(familyOf(font), family);
    const QFontInfo face(font);
    QVERIFY(face.bold());
    QCOMPARE(face.pixelSize(), pixelSize);
}

LEDGORA_TEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
