// The reactions of the toolbar and the page buttons: event descriptions, Notepad and
// Calculator, previous and next page, preview and print of the chosen document, the search
// and about windows, closing the program.
#include "Support.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "dialogs/Unit13.h"
#include "dialogs/Unit14.h"
#include "kit/PageControl.h"
#include "report/Preview.h"
#include "templates/Unit2.h"
#include "templates/Unit3.h"
#include "templates/Unit4.h"
#include "templates/Unit9.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>
#include <QTimer>
#include <optional>

namespace {

using Operation = testing::DocumentRecorder::Operation;

// What must follow a click. Whatever is not named must not happen: no box, no page change,
// no program, no preview or print, no window shown, the main window still open, no sound.
struct Outcome {
    QString boxTitle = {}; // an event description
    QStringList boxLines = {};
    int page = -1;         // the page shown afterwards (-1: the page of the click)
    QString program = {};  // a program asked for
    QString request = {};  // "preview" or "print"
    QString document = {}; // the template window whose report is handed over
    QString window = {};   // a small window shown
    bool closes = false;   // the main window closes
    bool sound = false;    // the button sound plays, once
};

const QStringList kindButtons = {"RadioButton1", "RadioButton2", "RadioButton3"};

QList<QMessageBox*> openBoxes() {
    QList<QMessageBox*> boxes;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
            boxes << box;
    return boxes;
}

QList<report::TRpStandardPreview*> openPreviews() {
    QList<report::TRpStandardPreview*> previews;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = qobject_cast<report::TRpStandardPreview*>(w); p && p->isVisible())
            previews << p;
    return previews;
}

// A screen reader reads a box by its title, and finds its text among the box's parts.
bool readsTitleAndText(QMessageBox* box) {
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(box);
    if (!window || window->text(QAccessible::Name) != box->windowTitle())
        return false;
    std::function<bool(QAccessibleInterface*)> hasText = [&](QAccessibleInterface* a) {
        if (a->text(QAccessible::Name) == box->text())
            return true;
        for (int i = 0; i < a->childCount(); ++i)
            if (QAccessibleInterface* child = a->child(i); child && hasText(child))
                return true;
        return false;
    };
    return hasText(window);
}

} // namespace

Q_DECLARE_METATYPE(Outcome)

class ActionsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void buttons_data();
    void buttons();
    void notepadAndCalculatorWithoutSound_data();
    void notepadAndCalculatorWithoutSound();
    void pageButtonsStepAndWrap_data();
    void pageButtonsStepAndWrap();
    void previewAndPrintHandOverTheChosenDocument_data();
    void previewAndPrintHandOverTheChosenDocument();
    void theDocumentChosenAtTheClickIsTheOneHandedOver_data();
    void theDocumentChosenAtTheClickIsTheOneHandedOver();
    void realPreviewShowsOnlyTheDocumentChosenAtTheClick();
    void transferSheetGetsItsFormPictureFirst_data();
    void transferSheetGetsItsFormPictureFirst();
    void bothFindButtonsShowTheOneSearchWindow();
    void descriptionBoxesHaveNoOwnerAndSeveralStayOpen();
    void closeEndsTheProgramWithoutAsking();

private:
    TForm1* form() const { return windows_->Form1.get(); }
    QAbstractButton* button(const QString& name) const { return form()->control<QAbstractButton>(name); }
    QRadioButton* kind(const QString& name) const { return form()->control<QRadioButton>(name); }
    QString documentOf(const report::TReport* report) const;
    void chooseKind(const QString& name);

    std::unique_ptr<ledgora::Windows> windows_;
    // Installed for every test, so that no click starts a real program or opens a real preview.
    std::optional<testing::ProgramRecorder> programs_;
    std::optional<testing::DocumentRecorder> documents_;
};

void ActionsTest::init() {
    programs_.emplace();
    documents_.emplace();
    windows_ = ledgora::createWindows();
    form()->show();
    QVERIFY(QTest::qWaitForWindowExposed(form()));
}

void ActionsTest::cleanup() {
    windows_.reset();
    documents_.reset();
    programs_.reset();
}

QString ActionsTest::documentOf(const report::TReport* report) const {
    if (report == &windows_->FormVat->Report1)
        return QStringLiteral("FormVat");
    if (report == &windows_->Faktura_RR->Report1)
        return QStringLiteral("Faktura_RR");
    if (report == &windows_->FormRachunek->Report1)
        return QStringLiteral("FormRachunek");
    if (report == &windows_->Poczta->Report1)
        return QStringLiteral("Poczta");
    return QStringLiteral("?");
}

// The user picks a document kind on the invoice page ("" unchecks all three).
void ActionsTest::chooseKind(const QString& name) {
    if (name.isEmpty()) {
        for (const QString& k : kindButtons) {
            if (QButtonGroup* group = kind(k)->group())
                group->setExclusive(false);
            kind(k)->setAutoExclusive(false);
            kind(k)->setChecked(false);
        }
        return;
    }
    const int page = form()->PageControl1->currentIndex();
    form()->PageControl1->setCurrentIndex(0);
    QTest::mouseClick(kind(name), Qt::LeftButton);
    QVERIFY(kind(name)->isChecked());
    form()->PageControl1->setCurrentIndex(page);
}

void ActionsTest::buttons_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("from"); // the page shown at the click
    QTest::addColumn<Outcome>("outcome");

    QTest::newRow("SpeedButton46 new document")
        << "SpeedButton46" << 0
        << Outcome{.boxTitle = "Opis zdarzenia - nowy dokument",
                   .boxLines = {"Wystawiony zostaje nowy dokument", "Nr faktury jest automatycznie naliczany",
                                "W opcjach możemy ustawić dowolny NR,",
                                " od którego program zacznie wyliczać kolejny numer"}};
    QTest::newRow("SpeedButton12 save invoice")
        << "SpeedButton12" << 3
        << Outcome{
               .boxTitle = "Opis zdarzenia - zapisz fakturę",
               .boxLines = {"Zapisuje dokument, któy utworzyliśmy,", "Zobacz stronę wystawione dokumenty"}};
    QTest::newRow("SpeedButton13 archive")
        << "SpeedButton13" << 0
        << Outcome{.boxTitle = "Opis zdarzenia - archiwizacja danych",
                   .boxLines = {"Opcja ta umożliwia zabezpieczenie danych,",
                                " przez dodanie wszystkich plików bazodanowych",
                                "do archiwum. W opcjach omżemy ustawić automatyczne",
                                " archiwizowanie, które nastepuje po zakończeniu działania programu"}};
    QTest::newRow("SpeedButton16 unpack archive")
        << "SpeedButton16" << 0
        << Outcome{.boxTitle = "Opis zdarzenia - rozpakuj z archiwum",
                   .boxLines = {"W przypadku gdy utraciliśmy dane, naciśnięcie tego przycisku",
                                "spowoduje dodanie plików uprzednio zarchiwizowanych"}};
    QTest::newRow("SpeedButton67 help")
        << "SpeedButton67" << 0
        << Outcome{.boxTitle = "Opis zdarzenia - Pomoc do programu",
                   .boxLines = {"Do programu dołączony elektroniczny podręcznik użytkownika,",
                                "oraz specyfikacja programu",
                                "Zobacz naszą stronę w trubie off-line, gdzie umiesciliśmy także podręcznik,",
                                "z którego dowiesz się więcej na temat programu"}};
    QTest::newRow("SpeedButton1 add to list, invoice page")
        << "SpeedButton1" << 0
        << Outcome{.boxTitle = "Opis zdarzenia - dodaj do listy",
                   .boxLines = {"Zostaje dodany wybrany produkt do faktury"}};
    QTest::newRow("SpeedButton10 load document, issued documents page")
        << "SpeedButton10" << 1
        << Outcome{.boxTitle = "Opis zdarzenia - wczytaj dokument",
                   .boxLines = {"Wczytuje dokument, który zostaje dopisany na pierwszej stronie.",
                                "Opcja umożliwia ponowny wydruk czy podgląd dokumentu"}};
    QTest::newRow("SpeedButton3 correction, issued documents page")
        << "SpeedButton3" << 1
        << Outcome{.boxTitle = "Opis zdarzenia - zrób korektę",
                   .boxLines = {"W przypadku gdy musimy wystawić fakturę korygującą",
                                "Program dopisze tytuł korekty, przeliczy na minusie dane z faktury"}};
    QTest::newRow("SpeedButton9 logo, options page")
        << "SpeedButton9" << 8
        << Outcome{.boxTitle = "Opis zdarzenia - wczytaj logo",
                   .boxLines = {"Dodaje logo do faktury, o ile tylko zanaczyliśmy opcję", "logo na wydruku",
                                "Wczytuje obraz bmp,wmf,ico, o podanych wymiarach",
                                " Szerokość 180 pikseli, Wysokość 70 pikseli",
                                " W przypadku gdy obraz jest innych rozmiarów",
                                "program automatycznie dostosuje Twoje logo"}};

    QTest::newRow("SpeedButton47 Notepad")
        << "SpeedButton47" << 0 << Outcome{.program = "notepad.exe", .sound = true};
    QTest::newRow("SpeedButton48 Calculator")
        << "SpeedButton48" << 4 << Outcome{.program = "calc.exe", .sound = true};

    QTest::newRow("SpeedButton6 previous on Faktury")
        << "SpeedButton6" << 0 << Outcome{.page = 8, .sound = true};
    QTest::newRow("SpeedButton5 next on Opcje") << "SpeedButton5" << 8 << Outcome{.page = 0, .sound = true};

    QTest::newRow("SpeedButton4 preview, VAT at start")
        << "SpeedButton4" << 0 << Outcome{.request = "preview", .document = "FormVat"};
    QTest::newRow("SpeedButton8 print, VAT at start")
        << "SpeedButton8" << 0 << Outcome{.request = "print", .document = "FormVat"};
    QTest::newRow("SpeedButton4 preview on Przelewy")
        << "SpeedButton4" << 5 << Outcome{.request = "preview", .document = "Poczta"};
    QTest::newRow("SpeedButton8 print on Przelewy")
        << "SpeedButton8" << 5 << Outcome{.request = "print", .document = "Poczta"};

    QTest::newRow("SpeedButton36 about") << "SpeedButton36" << 2 << Outcome{.window = "Form5"};
    QTest::newRow("SpeedButton63 find seller") << "SpeedButton63" << 0 << Outcome{.window = "Form13"};
    QTest::newRow("SpeedButton66 find buyer") << "SpeedButton66" << 0 << Outcome{.window = "Form13"};
    QTest::newRow("SpeedButton7 close") << "SpeedButton7" << 6 << Outcome{.closes = true};
}

void ActionsTest::buttons() {
    QFETCH(QString, name);
    QFETCH(int, from);
    QFETCH(Outcome, outcome);
    QVERIFY(form()->CheckBox4()->isChecked());
    form()->PageControl1->setCurrentIndex(from);
    const QString status = form()->statusText();
    testing::SoundRecorder sound;
    testing::MessageRecorder boxes;

    if (QAbstractButton* b = button(name)) {
        QVERIFY2(b->isVisible(), qPrintable(name));
        QTest::mouseClick(b, Qt::LeftButton);
    } else {
        // The issued documents page does not hold these two buttons yet; their handlers are
        // run as a click will run them.
        const QHash<QString, void (TForm1::*)()> withoutButton = {
            {"SpeedButton10", &TForm1::SpeedButton10Click}, {"SpeedButton3", &TForm1::SpeedButton3Click}};
        QVERIFY2(withoutButton.contains(name), qPrintable(name + " is missing"));
        (form()->*withoutButton[name])();
    }

    if (outcome.boxTitle.isEmpty()) {
        QCOMPARE(boxes.boxes.size(), size_t(0));
    } else {
        QCOMPARE(boxes.boxes.size(), size_t(1));
        QCOMPARE(boxes.boxes[0].title, outcome.boxTitle);
        QCOMPARE(boxes.boxes[0].text, outcome.boxLines.join(u'\n'));
        QCOMPARE(boxes.boxes[0].icon, platform::BoxIcon::None);
    }

    const int page = outcome.page < 0 ? from : outcome.page;
    QCOMPARE(form()->PageControl1->currentIndex(), page);
    if (page == from)
        QCOMPARE(form()->statusText(), status);
    else
        QCOMPARE(form()->statusText(), TForm1::statusTexts[size_t(page)].toString());

    QCOMPARE(programs_->started, outcome.program.isEmpty() ? QStringList() : QStringList{outcome.program});

    if (outcome.request.isEmpty()) {
        QCOMPARE(documents_->requests.size(), size_t(0));
    } else {
        QCOMPARE(documents_->requests.size(), size_t(1));
        const Operation expected = outcome.request == u"preview" ? Operation::Preview : Operation::Print;
        QCOMPARE(documents_->requests[0].operation, expected);
        QCOMPARE(documentOf(documents_->requests[0].report), outcome.document);
    }

    QCOMPARE(windows_->Form13->isVisible(), outcome.window == u"Form13");
    QCOMPARE(windows_->Form5->isVisible(), outcome.window == u"Form5");
    QCOMPARE(form()->isVisible(), !outcome.closes);

    QCOMPARE(sound.played.size(), outcome.sound ? 1 : 0);
}

void ActionsTest::notepadAndCalculatorWithoutSound_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("program");
    QTest::newRow("Notepad") << "SpeedButton47"
                             << "notepad.exe";
    QTest::newRow("Calculator") << "SpeedButton48"
                                << "calc.exe";
}

void ActionsTest::notepadAndCalculatorWithoutSound() {
    QFETCH(QString, name);
    QFETCH(QString, program);
    form()->CheckBox4()->setChecked(false);
    testing::SoundRecorder sound;
    QTest::mouseClick(button(name), Qt::LeftButton);
    QTest::mouseClick(button(name), Qt::LeftButton);
    QCOMPARE(programs_->started, QStringList({program, program}));
    QVERIFY(sound.played.isEmpty());
}

void ActionsTest::pageButtonsStepAndWrap_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("from");
    QTest::addColumn<QList<int>>("hidden"); // tabs hidden before the click
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("status");
    QTest::newRow("next") << "SpeedButton5" << 0 << QList<int>{} << 1 << "Przegląd wystawionych dokumentów";
    QTest::newRow("previous") << "SpeedButton6" << 5 << QList<int>{} << 4 << "Towary, usługi , edycja...";
    QTest::newRow("previous on Faktury wraps to Opcje")
        << "SpeedButton6" << 0 << QList<int>{} << 8 << "Opcje";
    QTest::newRow("next on Opcje wraps to Faktury")
        << "SpeedButton5" << 8 << QList<int>{} << 0 << "Wystawianie faktur,rachunków drukowanie";
    QTest::newRow("next passes a hidden tab")
        << "SpeedButton5" << 0 << QList<int>{1, 2} << 3 << "Dane nabywców, edycja...";
    QTest::newRow("previous wraps past a hidden last tab")
        << "SpeedButton6" << 0 << QList<int>{8} << 7 << "ZUS, należności z tytułu składek";
    QTest::newRow("next wraps past hidden first tabs")
        << "SpeedButton5" << 8 << QList<int>{0, 1} << 2 << "Dane sprzedawców, edycja...";
    QTest::newRow("no other tab visible: nothing")
        << "SpeedButton5" << 3 << QList<int>{0, 1, 2, 4, 5, 6, 7, 8} << 3 << "Dane nabywców, edycja...";
}

void ActionsTest::pageButtonsStepAndWrap() {
    QFETCH(QString, name);
    QFETCH(int, from);
    QFETCH(QList<int>, hidden);
    QFETCH(int, to);
    QFETCH(QString, status);
    form()->PageControl1->setCurrentIndex(from);
    for (int tab : hidden)
        form()->PageControl1->setTabVisible(tab, false);
    QCOMPARE(form()->PageControl1->currentIndex(), from);
    testing::SoundRecorder sound;
    QTest::mouseClick(button(name), Qt::LeftButton);
    QCOMPARE(form()->PageControl1->currentIndex(), to);
    QCOMPARE(form()->PageControl1->currentPage(), form()->PageControl1->page(to));
    QCOMPARE(form()->statusText(), status);
    // the page change plays the sound; a step that finds no page changes nothing
    QCOMPARE(sound.played.size(), to == from ? 0 : 1);
}

void ActionsTest::previewAndPrintHandOverTheChosenDocument_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("kind"); // "": none checked
    QTest::addColumn<QString>("document");
    for (const auto& [name, what] :
         {std::pair{"SpeedButton4", "preview"}, std::pair{"SpeedButton8", "print"}}) {
        const auto row = [&](const char* title) -> QTestData& {
            return QTest::addRow("%s, %s", what, title) << QString(name);
        };
        row("Faktury, faktura VAT") << 0 << "RadioButton1"
                                    << "FormVat";
        row("Faktury, faktura RR") << 0 << "RadioButton2"
                                   << "Faktura_RR";
        row("Faktury, rachunek") << 0 << "RadioButton3"
                                 << "FormRachunek";
        row("Sprzedawcy, faktura RR") << 2 << "RadioButton2"
                                      << "Faktura_RR";
        row("Opcje, rachunek") << 8 << "RadioButton3"
                               << "FormRachunek";
        row("Przelewy, faktura RR: the transfer sheet") << 5 << "RadioButton2"
                                                        << "Poczta";
        row("Przelewy, rachunek: the transfer sheet") << 5 << "RadioButton3"
                                                      << "Poczta";
        row("Przelewy, none checked: the transfer sheet") << 5 << ""
                                                          << "Poczta";
        row("Faktury, none checked: nothing") << 0 << ""
                                              << "";
        row("ZUS, none checked: nothing") << 7 << ""
                                          << "";
    }
}

void ActionsTest::previewAndPrintHandOverTheChosenDocument() {
    QFETCH(QString, name);
    QFETCH(int, page);
    QFETCH(QString, kind);
    QFETCH(QString, document);
    chooseKind(kind);
    form()->PageControl1->setCurrentIndex(page);
    testing::SoundRecorder sound;
    testing::MessageRecorder boxes;
    QTest::mouseClick(button(name), Qt::LeftButton);
    if (document.isEmpty()) {
        QCOMPARE(documents_->requests.size(), size_t(0));
    } else {
        QCOMPARE(documents_->requests.size(), size_t(1));
        QCOMPARE(documentOf(documents_->requests[0].report), document);
        QCOMPARE(documents_->requests[0].operation,
                 name == u"SpeedButton4" ? Operation::Preview : Operation::Print);
    }
    QVERIFY(boxes.boxes.empty());
    QVERIFY(sound.played.isEmpty());
    QCOMPARE(form()->PageControl1->currentIndex(), page);
}

void ActionsTest::theDocumentChosenAtTheClickIsTheOneHandedOver_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("atClick");
    QTest::addColumn<QString>("meanwhile"); // checked while the preview (or print) is running
    QTest::addColumn<QString>("document");
    for (const char* name : {"SpeedButton4", "SpeedButton8"}) {
        QTest::addRow("%s VAT, then RR", name) << name << "RadioButton1"
                                               << "RadioButton2"
                                               << "FormVat";
        QTest::addRow("%s VAT, then bill", name) << name << "RadioButton1"
                                                 << "RadioButton3"
                                                 << "FormVat";
        QTest::addRow("%s RR, then bill", name) << name << "RadioButton2"
                                                << "RadioButton3"
                                                << "Faktura_RR";
        QTest::addRow("%s bill, then VAT", name) << name << "RadioButton3"
                                                 << "RadioButton1"
                                                 << "FormRachunek";
    }
}

void ActionsTest::theDocumentChosenAtTheClickIsTheOneHandedOver() {
    QFETCH(QString, name);
    QFETCH(QString, atClick);
    QFETCH(QString, meanwhile);
    QFETCH(QString, document);
    chooseKind(atClick);
    // The main window stays usable while the preview is open: the user picks another kind.
    documents_->during = [&] { QTest::mouseClick(kind(meanwhile), Qt::LeftButton); };
    QTest::mouseClick(button(name), Qt::LeftButton);
    QVERIFY(kind(meanwhile)->isChecked());
    QCOMPARE(documents_->requests.size(), size_t(1));
    QCOMPARE(documentOf(documents_->requests[0].report), document);
}

void ActionsTest::realPreviewShowsOnlyTheDocumentChosenAtTheClick() {
    documents_->passThrough = true;
    // From inside the preview's own event loop: once the page is shown, the user checks
    // "faktura RR" on the main window and closes the preview. Any further preview is closed
    // at once and counted.
    QList<const report::TReport*> previewed;
    QList<QPointer<report::TRpStandardPreview>> seen;
    const QDeadlineTimer deadline(10000);
    QTimer user;
    connect(&user, &QTimer::timeout, this, [&] {
        for (report::TRpStandardPreview* p : openPreviews()) {
            if (!seen.contains(p)) {
                seen << p;
                previewed << &p->report();
            }
            if (p->RpPreview->page() || deadline.hasExpired()) {
                if (previewed.size() == 1)
                    QTest::mouseClick(kind("RadioButton2"), Qt::LeftButton);
                p->close();
            }
        }
    });
    user.start(5);
    QTest::mouseClick(button("SpeedButton4"), Qt::LeftButton); // returns once the preview has closed
    user.stop();
    QVERIFY(!deadline.hasExpired());
    QVERIFY(kind("RadioButton2")->isChecked());
    QCOMPARE(previewed.size(), 1);
    QCOMPARE(documentOf(previewed[0]), QStringLiteral("FormVat"));
    QCOMPARE(documents_->requests.size(), size_t(1));
    QVERIFY(openPreviews().isEmpty());
    QVERIFY(windows_->FormVat->Report1.Available());
}

void ActionsTest::transferSheetGetsItsFormPictureFirst_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("preview") << "SpeedButton4";
    QTest::newRow("print") << "SpeedButton8";
}

void ActionsTest::transferSheetGetsItsFormPictureFirst() {
    QFETCH(QString, name);
    TPoczta& poczta = *windows_->Poczta;
    const QImage picture = poczta.RpImage9->Picture.convertToFormat(QImage::Format_RGB32);
    QVERIFY(!picture.isNull());
    for (report::TRpImage* copy : {poczta.RpImage1, poczta.RpImage2, poczta.RpImage3, poczta.RpImage4})
        QVERIFY(copy->Picture.isNull());
    form()->PageControl1->setCurrentIndex(5);

    // What the four copies hold at the moment the sheet is handed over.
    QList<QImage> copies;
    documents_->during = [&] {
        for (report::TRpImage* copy : {poczta.RpImage1, poczta.RpImage2, poczta.RpImage3, poczta.RpImage4})
            copies << copy->Picture.convertToFormat(QImage::Format_RGB32);
    };
    QTest::mouseClick(button(name), Qt::LeftButton);
    QCOMPARE(documents_->requests.size(), size_t(1));
    QCOMPARE(documentOf(documents_->requests[0].report), QStringLiteral("Poczta"));
    QCOMPARE(copies.size(), 4);
    for (const QImage& copy : copies) {
        QVERIFY(!copy.isNull());
        const QRect common = copy.rect() & picture.rect();
        QVERIFY(!common.isEmpty());
        QCOMPARE(copy.copy(common), picture.copy(common));
    }
}

void ActionsTest::bothFindButtonsShowTheOneSearchWindow() {
    TForm13* search = windows_->Form13.get();
    QVERIFY(!search->isVisible());
    QTest::mouseClick(button("SpeedButton63"), Qt::LeftButton);
    QVERIFY(search->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(search));

    // The user types into the window, then goes back to the main window.
    QLineEdit* field = search->Edit13; // the search text
    QVERIFY(field);
    QTest::keyClicks(field, QStringLiteral("Kowalski"));
    const QPoint place = search->pos() + QPoint(17, 9);
    search->move(place);
    form()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form()));

    QTest::mouseClick(button("SpeedButton66"), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(search));
    QCOMPARE(field->text(), QStringLiteral("Kowalski"));
    QCOMPARE(search->pos(), place);
    int searchWindows = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        searchWindows += qobject_cast<TForm13*>(w) != nullptr;
    QCOMPARE(searchWindows, 1);
    QCOMPARE(windows_->Form13.get(), search);

    // and the seller's button again, while the window is shown
    form()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form()));
    QTest::mouseClick(button("SpeedButton63"), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(search));
    QCOMPARE(field->text(), QStringLiteral("Kowalski"));
}

void ActionsTest::descriptionBoxesHaveNoOwnerAndSeveralStayOpen() {
    // Real boxes: each description waits for its own box, and the main window goes on working.
    QList<QStringList> seen; // the titles open at each stage
    bool ownerless = true, nonModal = true, readable = true, timedOut = false;
    int pageMeanwhile = -1;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, this, [&] {
        timedOut = true;
        for (QMessageBox* box : openBoxes())
            box->close();
    });
    watchdog.start(10000);

    const auto titles = [] {
        QStringList t;
        for (QMessageBox* box : openBoxes())
            t << box->windowTitle();
        t.sort();
        return t;
    };
    QTimer::singleShot(0, this, [&] {
        // inside the first box's wait
        seen << titles();
        QTimer::singleShot(0, this, [&] {
            // inside the second box's wait
            seen << titles();
            for (QMessageBox* box : openBoxes()) {
                ownerless = ownerless && box->parentWidget() == nullptr;
                nonModal = nonModal && box->windowModality() == Qt::NonModal && !box->isModal();
                readable = readable && readsTitleAndText(box);
            }
            QTest::mouseClick(button("SpeedButton5"), Qt::LeftButton);
            pageMeanwhile = form()->PageControl1->currentIndex();
            // OK on the first box, then on the second
            for (const QString title : {"Opis zdarzenia - nowy dokument", "Opis zdarzenia - zapisz fakturę"})
                for (QMessageBox* box : openBoxes())
                    if (box->windowTitle() == title)
                        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        QTest::mouseClick(button("SpeedButton12"), Qt::LeftButton);
        seen << titles();
    });
    QTest::mouseClick(button("SpeedButton46"), Qt::LeftButton);
    watchdog.stop();

    QVERIFY(!timedOut);
    QVERIFY(readable);
    QCOMPARE(seen.size(), 3);
    QCOMPARE(seen[0], QStringList{"Opis zdarzenia - nowy dokument"});
    QCOMPARE(seen[1], QStringList({"Opis zdarzenia - nowy dokument", "Opis zdarzenia - zapisz fakturę"}));
    QCOMPARE(seen[2], QStringList{}); // both closed by their OK buttons
    QVERIFY(ownerless);
    QVERIFY(nonModal);
    QCOMPARE(pageMeanwhile, 1);
    QVERIFY(openBoxes().isEmpty());
}

void ActionsTest::closeEndsTheProgramWithoutAsking() {
    windows_.reset(); // the program makes its own windows
    testing::MessageRecorder boxes;
    testing::SoundRecorder sound;
    bool timedOut = false, clicked = false;
    QTimer::singleShot(0, this, [&] {
        ledgora::Windows* w = ledgora::windows();
        w->Form13->show();
        w->Form5->show();
        QTimer::singleShot(0, this, [&, w] {
            QTest::mouseClick(w->Form1->control<QAbstractButton>(QStringLiteral("SpeedButton7")),
                              Qt::LeftButton);
            clicked = true;
        });
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, this, [&] {
        timedOut = true;
        ledgora::windows()->Form1->close();
    });
    watchdog.start(10000);
    QCOMPARE(ledgora::run(), 0);
    watchdog.stop();
    QVERIFY(clicked);
    QVERIFY(!timedOut);
    QCOMPARE(ledgora::windows(), nullptr);
    QVERIFY(boxes.boxes.empty());
    QVERIFY(sound.played.isEmpty());
}

LEDGORA_TEST_MAIN(ActionsTest)
#include "tst_actions.moc"
