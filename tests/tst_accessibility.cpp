// The main window through the accessibility interface a screen reader uses: every control
// is named by what a sighted user reads beside or on it.
#include "Support.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "kit/Announce.h"
#include "kit/CoolBar.h"
#include "kit/PageControl.h"
#include "kit/PictureBox.h"
#include "kit/Shape.h"
#include "pages/Pages.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>

namespace {

QAccessibleInterface* reader(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w);
}

QString nameOf(QWidget* w) {
    QAccessibleInterface* a = reader(w);
    return a ? a->text(QAccessible::Name) : QString();
}

// Pictures, shapes and labels are read by what they show or not at all; the controls a user
// works with must each have a name.
bool isControl(QWidget* w) {
    if (qobject_cast<QLabel*>(w) || qobject_cast<kit::PictureBox*>(w))
        return false;
    if (qobject_cast<kit::Shape*>(w) && w->objectName() != u"RpShape1")
        return false;
    return !w->objectName().isEmpty() && !w->objectName().startsWith(u"qt_") &&
           !w->objectName().endsWith(u"Inner");
}

// The announcements the window makes while the test listens.
std::vector<std::pair<QAccessible::Event, QString>> heard;

void listen(QAccessibleEvent* event) {
    QAccessibleInterface* a = event->accessibleInterface();
    heard.emplace_back(event->type(), a ? a->text(QAccessible::Name) : QString());
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { windows_.reset(); }
    void everyControlIsNamed_data();
    void everyControlIsNamed();
    void fieldsAreNamedByTheirLabels_data();
    void fieldsAreNamedByTheirLabels();
    void linksAndPictureButtons_data();
    void linksAndPictureButtons();
    void comboNameDoesNotFollowItsValue();
    void hiddenControlsAreHiddenFromTheReader();
    void statusBandIsReadAndAnnounced();

private:
    std::unique_ptr<ledgora::Windows> windows_;
    QWidget* get(const QString& name) {
        QWidget* w = windows_->Form1->control(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
};

void AccessibilityTest::init() {
    windows_ = ledgora::createWindows();
    windows_->Form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(windows_->Form1.get()));
    windows_->Form1->buildPendingPages();
}

void AccessibilityTest::everyControlIsNamed_data() {
    QTest::addColumn<int>("page"); // -1: the frame around the pages
    QTest::newRow("frame") << -1;
    const char* captions[] = {
        "Faktury", "Wystawione dokumenty", "Sprzedawcy", "Nabywcy", "Produkty", "Przelewy", "Raporty", "ZUS",
        "Opcje"};
    for (int i = 0; i < pages::pageCount; ++i)
        QTest::newRow(captions[i]) << i;
}

void AccessibilityTest::everyControlIsNamed() {
    QFETCH(int, page);
    TForm1* form = windows_->Form1.get();
    QList<QWidget*> controls;
    if (page < 0) {
        controls << form->PageControl1 << form->CoolBar1 << form->CoolBar3;
        controls << form->CoolBar1->findChildren<QWidget*>();
    } else {
        form->PageControl1->setCurrentIndex(page);
        controls = form->PageControl1->page(page)->findChildren<QWidget*>();
    }
    int checked = 0;
    for (QWidget* w : controls) {
        if (!isControl(w) || !w->isVisible())
            continue;
        ++checked;
        QVERIFY2(!nameOf(w).trimmed().isEmpty(), qPrintable(w->objectName() + " has no name"));
    }
    QVERIFY(checked > 0);
}

void AccessibilityTest::fieldsAreNamedByTheirLabels_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    // the invoice page: each field by the caption of its label
    QTest::newRow("seller") << "ComboBox17"
                            << "Sprzedawca";
    QTest::newRow("buyer") << "ComboBox18"
                           << "Nabywca";
    QTest::newRow("product") << "DBLookupComboBox5"
                             << "Produkt";
    QTest::newRow("number") << "Edit1"
                            << "Nr. dokumentu";
    QTest::newRow("date of issue") << "DateTimePicker1"
                                   << "data wystawienia";
    QTest::newRow("date of sale") << "DateTimePicker2"
                                  << "data sprzedaży";
    QTest::newRow("term") << "ComboBox16"
                          << "termin płatności";
    QTest::newRow("form") << "ComboBox5"
                          << "forma płatności";
    QTest::newRow("discount, under its check box") << "Edit14"
                                                   << "udzielono rabatu";
    QTest::newRow("net") << "Edit2"
                         << "wart. netto";
    QTest::newRow("vat") << "Edit3"
                         << "kwota VAT";
    QTest::newRow("gross") << "Edit4"
                           << "wart. brutto";
    QTest::newRow("in words") << "Edit5"
                              << "słownie";
    QTest::newRow("items grid, by its titles")
        << "DBGrid5"
        << "Lp, Nazwa, Ilość, Jm, PKWiU, Klasa, Cena netto, Wart. netto, "
           "VAT, Kwota VAT, Wart. brutto";
    // a field of each other page
    QTest::newRow("year filter") << "ComboBox11"
                                 << "Pokaż z roku:";
    QTest::newRow("seller id") << "DBEdit35"
                               << "Identyfikator";
    QTest::newRow("buyer e-mail") << "DBEdit16"
                                  << "E-mail";
    QTest::newRow("unit") << "DBComboBox1"
                          << "Jednostka miary";
    QTest::newRow("payer lookup, by its link") << "DBLookupComboBox1"
                                               << "Wpłacający";
    QTest::newRow("calendar") << "CCalendar1"
                              << "Data dokonania płatności";
    QTest::newRow("chart of") << "ComboBox3"
                              << "Wykres dla:";
    QTest::newRow("declaration, by the label named C") << "Edit17"
                                                       << "nr deklaracji";
    QTest::newRow("social amount") << "Edit16"
                                   << "ubezp. społeczne";
    QTest::newRow("texture text") << "Edit11"
                                  << "Dodatkowy tekst na wydruku:";
}

void AccessibilityTest::fieldsAreNamedByTheirLabels() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    QCOMPARE(nameOf(get(control)), name);
}

void AccessibilityTest::linksAndPictureButtons_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::newRow("link: its words, the hint described") << "Label2"
                                                         << "Sprzedawca"
                                                         << "Kliknij aby modyfikować bazę sprzedawców";
    QTest::newRow("link with a trailing blank in its hint") << "Label18"
                                                            << "Obiorca"
                                                            << "Kliknij aby modyfikować bazę odbiorców ";
    QTest::newRow("words in the glyph: dodaj do listy") << "SpeedButton1"
                                                        << "dodaj do listy"
                                                        << "";
    QTest::newRow("words in the glyph: wczytaj teksturę") << "SpeedButton2"
                                                          << "wczytaj teksturę"
                                                          << "";
    QTest::newRow("words in the glyph: wczytaj logo") << "SpeedButton9"
                                                      << "wczytaj logo"
                                                      << "";
    QTest::newRow("glyph only: its hint") << "SpeedButton63"
                                          << "znajdź sprzedawcę"
                                          << "znajdź sprzedawcę";
    QTest::newRow("record button: its hint") << "SpeedButton18"
                                             << "Dodaj nowy rekord"
                                             << "Dodaj nowy rekord";
    QTest::newRow("caption and hint") << "SpeedButton64"
                                      << "zapisz rysunek"
                                      << "Zapisuje wykres jako plik graficzny w formacie wmf";
    QTest::newRow("caption") << "SpeedButton10"
                             << "wczytaj dokument"
                             << "";
}

void AccessibilityTest::linksAndPictureButtons() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QAccessibleInterface* a = reader(get(control));
    QVERIFY(a);
    QCOMPARE(a->text(QAccessible::Name), name);
    QCOMPARE(a->text(QAccessible::Description), description);
}

void AccessibilityTest::comboNameDoesNotFollowItsValue() {
    auto* payment = qobject_cast<QComboBox*>(get(QStringLiteral("ComboBox5")));
    payment->setCurrentIndex(0);
    QCOMPARE(nameOf(payment), QStringLiteral("forma płatności"));
    QCOMPARE(reader(payment)->text(QAccessible::Value), QStringLiteral("przelew"));
    auto* months = qobject_cast<QComboBox*>(get(QStringLiteral("ComboBox6")));
    months->setCurrentIndex(3);
    QCOMPARE(nameOf(months), QStringLiteral("Pokaż z miesiąca:"));
}

void AccessibilityTest::hiddenControlsAreHiddenFromTheReader() {
    for (int page : {0, 1, 4, 5, 6}) {
        windows_->Form1->PageControl1->setCurrentIndex(page);
        for (const char* name : {"Label78", "DBGrid6", "Label74", "DBEdit26", "RadioButton16", "GroupBox3"}) {
            QWidget* w = get(QString::fromLatin1(name));
            QVERIFY2(reader(w)->state().invisible, name);
        }
    }
    windows_->Form1->PageControl1->setCurrentIndex(6);
    QVERIFY(!reader(get(QStringLiteral("GroupBox4")))->state().invisible);
}

void AccessibilityTest::statusBandIsReadAndAnnounced() {
    TForm1* form = windows_->Form1.get();
    QAccessibleInterface* band = reader(form->CoolBar3);
    QCOMPARE(band->role(), QAccessible::StatusBar);
    QCOMPARE(band->text(QAccessible::Name), form->statusText());
    QCOMPARE(reader(form->CoolBar1)->role(), QAccessible::ToolBar);

    heard.clear();
    kit::setAnnouncementSink(listen);
    form->PageControl1->setCurrentIndex(7);
    kit::setAnnouncementSink(nullptr);

    QCOMPARE(band->text(QAccessible::Name), QStringLiteral("ZUS, należności z tytułu składek"));
    const auto announced =
        std::find(heard.begin(), heard.end(), std::pair{QAccessible::NameChanged, form->statusText()});
    QVERIFY2(announced != heard.end(), "the new status text is not announced");
}

LEDGORA_TEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
