#include "app/Unit1.h"
#include "app/Application.h"
#include "app/DocumentRequests.h"
#include "app/Startup.h"
#include "dialogs/Unit13.h"
#include "dialogs/Unit14.h"
#include "kit/CoolBar.h"
#include "kit/PageControl.h"
#include "kit/PictureBox.h"
#include "kit/PixelArt.h"
#include "kit/SpeedButton.h"
#include "pages/Pages.h"
#include "platform/Error.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/PictureDialog.h"
#include "platform/PictureFile.h"
#include "platform/Programs.h"
#include "platform/Screen.h"
#include "platform/Sound.h"
#include "templates/Unit2.h"
#include "templates/Unit3.h"
#include "templates/Unit4.h"
#include "templates/Unit9.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace {

using kit::Kind;

struct PageEntry {
    const char* name;
    QStringView caption;
};

constexpr std::array<PageEntry, pages::pageCount> notebookPages = {{
    {"TabSheet1", u"Faktury"},
    {"TabSheet2", u"Wystawione dokumenty"},
    {"TabSheet3", u"Sprzedawcy"},
    {"TabSheet4", u"Nabywcy"},
    {"TabSheet5", u"Produkty"},
    {"TabSheet6", u"Przelewy"},
    {"TabSheet7", u"Raporty"},
    {"TabSheet8", u"ZUS"},
    {"TabSheet9", u"Opcje"},
}};

constexpr kit::Font statusFont{.pixelSize = 16};
constexpr kit::Font toolbarFont{.pixelSize = 32};

// The frame of the window, from back to front.
// clang-format off
const kit::Row frame[] = {
    {.name = "PageControl1", .kind = Kind::PageControl, .geometry = {0, 48, 792, 484}, .tab = 0},
    {.name = "CoolBar3", .kind = Kind::CoolBar, .geometry = {0, 531, 792, 22}, .picture = ":/textures/marble.bmp", .color = 0x008000, .font = &statusFont},
    {.name = "CoolBar1", .kind = Kind::CoolBar, .geometry = {0, 0, 792, 49}, .spoken = u"pasek narzędzi", .picture = ":/textures/teal.bmp", .font = &toolbarFont},
};
// clang-format on

// The thirteen flat toolbar buttons, standing directly on CoolBar1.
// clang-format off
const kit::Row toolbar[] = {
    {.name = "SpeedButton46", .kind = Kind::FlatSpeedButton, .geometry = {25, 3, 36, 36}, .hint = u"Nowa faktura", .picture = ":/toolbar/new.bmp"},
    {.name = "SpeedButton12", .kind = Kind::FlatSpeedButton, .geometry = {88, 3, 36, 36}, .hint = u"Zapisz fakturę ", .picture = ":/toolbar/save.bmp"},
    {.name = "SpeedButton6", .kind = Kind::FlatSpeedButton, .geometry = {152, 3, 36, 36}, .hint = u"Poprzednia strona", .picture = ":/toolbar/previous.bmp"},
    {.name = "SpeedButton5", .kind = Kind::FlatSpeedButton, .geometry = {208, 3, 36, 36}, .hint = u"Następna strona", .picture = ":/toolbar/next.bmp"},
    {.name = "SpeedButton4", .kind = Kind::FlatSpeedButton, .geometry = {265, 3, 36, 36}, .hint = u"Podgląd wydruku", .picture = ":/toolbar/preview.bmp"},
    {.name = "SpeedButton8", .kind = Kind::FlatSpeedButton, .geometry = {320, 3, 36, 36}, .hint = u"Drukowanie", .picture = ":/toolbar/print.bmp"},
    {.name = "SpeedButton47", .kind = Kind::FlatSpeedButton, .geometry = {377, 3, 36, 36}, .hint = u"Otwiera notatnik", .picture = ":/toolbar/notepad.bmp"},
    {.name = "SpeedButton48", .kind = Kind::FlatSpeedButton, .geometry = {434, 3, 36, 36}, .hint = u"Uruchom kalkulator ", .picture = ":/toolbar/calculator.bmp"},
    {.name = "SpeedButton13", .kind = Kind::FlatSpeedButton, .geometry = {496, 3, 36, 36}, .hint = u"Dodaj do archiwum", .picture = ":/toolbar/archive-add.bmp"},
    {.name = "SpeedButton16", .kind = Kind::FlatSpeedButton, .geometry = {552, 3, 36, 36}, .hint = u"Rozpakuj z archiwum", .picture = ":/toolbar/archive-extract.bmp"},
    {.name = "SpeedButton67", .kind = Kind::FlatSpeedButton, .geometry = {608, 3, 36, 36}, .hint = u"pomoc do programu", .picture = ":/toolbar/help.bmp"},
    {.name = "SpeedButton36", .kind = Kind::FlatSpeedButton, .geometry = {667, 3, 36, 36}, .hint = u"Informacje o programie", .picture = ":/toolbar/information.bmp"},
    {.name = "SpeedButton7", .kind = Kind::FlatSpeedButton, .geometry = {725, 3, 36, 36}, .hint = u"Zamknij program", .picture = ":/toolbar/exit.bmp"},
};
// clang-format on

// The buttons and their click handlers.
const std::pair<const char*, void (TForm1::*)()> clickHandlers[] = {
    {"SpeedButton46", &TForm1::SpeedButton46Click}, {"SpeedButton12", &TForm1::SpeedButton12Click},
    {"SpeedButton6", &TForm1::SpeedButton6Click},   {"SpeedButton5", &TForm1::SpeedButton5Click},
    {"SpeedButton4", &TForm1::SpeedButton4Click},   {"SpeedButton8", &TForm1::SpeedButton8Click},
    {"SpeedButton47", &TForm1::SpeedButton47Click}, {"SpeedButton48", &TForm1::SpeedButton48Click},
    {"SpeedButton13", &TForm1::SpeedButton13Click}, {"SpeedButton16", &TForm1::SpeedButton16Click},
    {"SpeedButton67", &TForm1::SpeedButton67Click}, {"SpeedButton36", &TForm1::SpeedButton36Click},
    {"SpeedButton7", &TForm1::SpeedButton7Click},   {"SpeedButton1", &TForm1::SpeedButton1Click},
    {"SpeedButton63", &TForm1::SpeedButton63Click}, {"SpeedButton66", &TForm1::SpeedButton66Click},
    {"SpeedButton10", &TForm1::SpeedButton10Click}, {"SpeedButton3", &TForm1::SpeedButton3Click},
    {"SpeedButton9", &TForm1::SpeedButton9Click},   {"SpeedButton2", &TForm1::SpeedButton2Click},
};

// An event description: its lines joined by line feeds, in a box without owner.
void eventDescription(QStringView title, std::initializer_list<QStringView> lines) {
    QStringList text;
    for (QStringView line : lines)
        text << line.toString();
    platform::messageBox(text.join(u'\n'), title.toString());
}

} // namespace

const std::array<const char*, 8> TForm1::backgroundTargets = {"Image2", "Image1", "Image4", "Image5",
                                                              "Image6", "Image7", "Image8", "Image15"};

const std::array<QStringView, 9> TForm1::statusTexts = {
    u"Wystawianie faktur,rachunków drukowanie",
    u"Przegląd wystawionych dokumentów",
    u"Dane sprzedawców, edycja...",
    u"Dane nabywców, edycja...",
    u"Towary, usługi , edycja...",
    u"Wpłaty bankowe, przelewy pocztowe..",
    u"Wykresy - ilosc, cena produktów, czas...",
    u"ZUS, należności z tytułu składek",
    u"Opcje",
};

TForm1::TForm1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Ledgora professional wer. 1.6"));
    setWindowIcon(kit::pixelArtIcon(QImage(QStringLiteral(":/icon/ledgora.png"))));
    setFont(platform::windowFont());
    setFixedSize(792, 553);

    controls_ = kit::build(this, frame);
    PageControl1 = control<kit::PageControl>(QStringLiteral("PageControl1"));
    CoolBar3 = control<kit::CoolBar>(QStringLiteral("CoolBar3"));
    CoolBar1 = control<kit::CoolBar>(QStringLiteral("CoolBar1"));

    for (int i = 0; i < pages::pageCount; ++i) {
        const PageEntry& entry = notebookPages[size_t(i)];
        QWidget* page = PageControl1->addPage(QString::fromLatin1(entry.name), entry.caption.toString());
        controls_.insert(page->objectName(), page);
        // The page shown at start, and the options page whose sound switch and tile the
        // window reads from its first moment; the others follow the first paint.
        if (i == 0 || i == pages::pageCount - 1)
            buildNotebookPage(i);
        else
            pendingPages_.push_back(i);
    }
    CoolBar3->addBand({QStringLiteral("Wystawianie faktur, drukowanie"), 788, 10});
    CoolBar1->addBand({QStringLiteral(" "), 788, 0});
    controls_.insert(kit::build(CoolBar1, toolbar));

    FormCreate();
    connectHandlers(controls_);

    // A page asked for before the deferred build ran is built before it is shown.
    connect(PageControl1, &kit::PageControl::pageChanged, this,
            [this] { ledgora::guarded([this] { buildPendingPages(); }); });
    connect(PageControl1, &kit::PageControl::pageChanged, this,
            [this] { ledgora::guarded([this] { PageControl1Change(); }); });
    constructed_ = true;
}

kit::Controls TForm1::buildNotebookPage(int index) {
    kit::Controls built = pages::buildPage(index, PageControl1->page(index));
    controls_.insert(built);
    return built;
}

void TForm1::connectHandlers(const kit::Controls& built) {
    for (const auto& [name, handler] : clickHandlers)
        if (auto* button = qobject_cast<QAbstractButton*>(built.value(QString::fromLatin1(name))))
            connect(button, &QAbstractButton::clicked, this,
                    [this, handler = handler] { ledgora::guarded([this, handler] { (this->*handler)(); }); });
}

void TForm1::buildPendingPages() {
    if (pendingPages_.empty())
        return;
    const std::vector<int> pending = std::exchange(pendingPages_, {});
    // Until a new tile is loaded, every background holds what the first one holds: they
    // were all empty when the tiles were copied, so they would all have received the same.
    auto* first = qobject_cast<kit::PictureBox*>(controls_.value(QString::fromLatin1(backgroundTargets[0])));
    for (int index : pending) {
        const kit::Controls built = buildNotebookPage(index);
        connectHandlers(built);
        for (const char* name : backgroundTargets)
            if (auto* target = qobject_cast<kit::PictureBox*>(built.value(QString::fromLatin1(name)));
                target && first && target->size() == first->size())
                target->picture() = first->picture();
    }
    // Built after the window took the faces of its screen: they take them too.
    platform::fitToScreen(this);
}

bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::Paint && !pendingPages_.empty() && !buildScheduled_) {
        buildScheduled_ = true;
        QTimer::singleShot(0, this, [this] { ledgora::guarded([this] { buildPendingPages(); }); });
    }
    return QWidget::event(event);
}

QWidget* TForm1::control(const QString& name) const {
    if (QWidget* w = controls_.value(name); w || pendingPages_.empty())
        return w;
    const_cast<TForm1*>(this)->buildPendingPages();
    return controls_.value(name);
}

QCheckBox* TForm1::CheckBox4() const {
    return control<QCheckBox>(QStringLiteral("CheckBox4"));
}

QString TForm1::correctionTitle() const {
    const QLabel* title = control<QLabel>(QStringLiteral("Label78"));
    return title ? title->text() : QString();
}

QString TForm1::statusText() const {
    return CoolBar3->bandText(CoolBar3->bandCount() - 1);
}

void TForm1::FormCreate() {
    TileBackgrounds();
}

std::vector<QRect> TForm1::tileSquares(QSize screen) {
    std::vector<QRect> squares;
    for (int y = 0; y <= screen.height(); y += 100)
        for (int x = 0; x <= screen.width(); x += 100)
            squares.emplace_back(x, y, 100, 100);
    return squares;
}

void TForm1::TileBackgrounds() {
    auto* buffer = control<kit::PictureBox>(QStringLiteral("ImageBufer"));
    if (!buffer || buffer->picture().kind() != platform::Picture::Kind::Bitmap)
        throw platform::Error(QStringLiteral("Can only modify an image if it contains a bitmap"));
    const QImage& tile = buffer->picture().image();
    const QRect source(0, 0, 100, 100);

    // While the window is being made, the pages built later take their backgrounds from
    // the first one; afterwards every page is there to receive its copies.
    if (constructed_)
        buildPendingPages();
    std::vector<kit::PictureBox*> targets;
    for (const char* name : backgroundTargets)
        if (auto* target = qobject_cast<kit::PictureBox*>(controls_.value(QString::fromLatin1(name))))
            targets.push_back(target);

    // Targets holding the same bitmap (all of them, at start and after every load) would get
    // the same copies: those are drawn on the first of them only, and the others share its
    // pixels until one of them is changed.
    std::vector<std::pair<kit::PictureBox*, kit::PictureBox*>> followers; // (follower, leader)
    std::vector<kit::PictureBox*> leaders;
    for (kit::PictureBox* target : targets) {
        auto same = [target](kit::PictureBox* leader) {
            const platform::Picture& a = target->picture();
            const platform::Picture& b = leader->picture();
            if (target->size() != leader->size() || a.kind() != b.kind())
                return false;
            return a.isEmpty() || (a.kind() == platform::Picture::Kind::Bitmap &&
                                   a.image().cacheKey() == b.image().cacheKey());
        };
        auto leader = std::find_if(leaders.begin(), leaders.end(), same);
        if (leader == leaders.end())
            leaders.push_back(target);
        else
            followers.emplace_back(target, *leader);
    }

    for (const QRect& square : tileSquares(platform::screenSize()))
        for (kit::PictureBox* target : leaders) {
            platform::Picture& picture = target->picture();
            if (picture.kind() != platform::Picture::Kind::Bitmap) {
                // the first copy gives an empty target a bitmap of its own size
                QImage blank(target->size(), QImage::Format_RGB888); // the tile is 24-bit colour
                blank.fill(Qt::white);
                picture = platform::Picture::bitmap(std::move(blank));
            }
            QPainter painter(&picture.bitmapRef());
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            // A tile smaller than the square gives only what it has.
            const QRect available = source & tile.rect();
            painter.drawImage(square.topLeft(), tile, available);
        }
    for (auto [follower, leader] : followers)
        follower->picture() = leader->picture();
    for (kit::PictureBox* target : targets)
        target->update();
}

void TForm1::SpeedButton2Click() {
    ButtonSound();
    const QString path = platform::openPictureDialog(QStringLiteral(
        "All (*.bmp;*.ico;*.emf;*.wmf)|*.bmp;*.ico;*.emf;*.wmf|Bitmaps (*.bmp)|*.bmp|Icons (*.ico)|*.ico|"
        "Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf"));
    if (path.isEmpty())
        return;
    // The picture is replaced only once the new one has loaded in full.
    control<kit::PictureBox>(QStringLiteral("ImageBufer"))->setPicture(platform::loadPictureFile(path));
    TileBackgrounds();
}

void TForm1::ButtonSound() {
    if (QCheckBox* on = CheckBox4(); on && on->isChecked())
        platform::playSoundAsync(QStringLiteral("Snd\\buton.wav"));
}

void TForm1::PageControl1Change() {
    ButtonSound();
    const int index = PageControl1->currentIndex();
    if (index < 0 || index >= int(statusTexts.size()))
        return;
    CoolBar3->setBandText(CoolBar3->bandCount() - 1, statusTexts[size_t(index)].toString());
}

void TForm1::SpeedButton46Click() {
    eventDescription(u"Opis zdarzenia - nowy dokument",
                     {u"Wystawiony zostaje nowy dokument", u"Nr faktury jest automatycznie naliczany",
                      u"W opcjach możemy ustawić dowolny NR,",
                      u" od którego program zacznie wyliczać kolejny numer"});
}

void TForm1::SpeedButton12Click() {
    eventDescription(u"Opis zdarzenia - zapisz fakturę",
                     {u"Zapisuje dokument, któy utworzyliśmy,", u"Zobacz stronę wystawione dokumenty"});
}

void TForm1::SpeedButton13Click() {
    eventDescription(u"Opis zdarzenia - archiwizacja danych",
                     {u"Opcja ta umożliwia zabezpieczenie danych,",
                      u" przez dodanie wszystkich plików bazodanowych",
                      u"do archiwum. W opcjach omżemy ustawić automatyczne",
                      u" archiwizowanie, które nastepuje po zakończeniu działania programu"});
}

void TForm1::SpeedButton16Click() {
    eventDescription(u"Opis zdarzenia - rozpakuj z archiwum",
                     {u"W przypadku gdy utraciliśmy dane, naciśnięcie tego przycisku",
                      u"spowoduje dodanie plików uprzednio zarchiwizowanych"});
}

void TForm1::SpeedButton67Click() {
    eventDescription(u"Opis zdarzenia - Pomoc do programu",
                     {u"Do programu dołączony elektroniczny podręcznik użytkownika,",
                      u"oraz specyfikacja programu",
                      u"Zobacz naszą stronę w trubie off-line, gdzie umiesciliśmy także podręcznik,",
                      u"z którego dowiesz się więcej na temat programu"});
}

void TForm1::SpeedButton1Click() {
    eventDescription(u"Opis zdarzenia - dodaj do listy", {u"Zostaje dodany wybrany produkt do faktury"});
}

void TForm1::SpeedButton10Click() {
    eventDescription(u"Opis zdarzenia - wczytaj dokument",
                     {u"Wczytuje dokument, który zostaje dopisany na pierwszej stronie.",
                      u"Opcja umożliwia ponowny wydruk czy podgląd dokumentu"});
}

void TForm1::SpeedButton3Click() {
    eventDescription(u"Opis zdarzenia - zrób korektę",
                     {u"W przypadku gdy musimy wystawić fakturę korygującą",
                      u"Program dopisze tytuł korekty, przeliczy na minusie dane z faktury"});
}

void TForm1::SpeedButton9Click() {
    eventDescription(
        u"Opis zdarzenia - wczytaj logo",
        {u"Dodaje logo do faktury, o ile tylko zanaczyliśmy opcję", u"logo na wydruku",
         u"Wczytuje obraz bmp,wmf,ico, o podanych wymiarach", u" Szerokość 180 pikseli, Wysokość 70 pikseli",
         u" W przypadku gdy obraz jest innych rozmiarów", u"program automatycznie dostosuje Twoje logo"});
}

void TForm1::SpeedButton47Click() {
    ButtonSound();
    platform::startProgram(QStringLiteral("notepad.exe"));
}

void TForm1::SpeedButton48Click() {
    ButtonSound();
    platform::startProgram(QStringLiteral("calc.exe"));
}

void TForm1::SpeedButton6Click() {
    PageControl1->selectNextPage(false);
}

void TForm1::SpeedButton5Click() {
    PageControl1->selectNextPage(true);
}

report::TReport* TForm1::documentToHandOver() {
    ledgora::Windows* windows = ledgora::windows();
    if (!windows)
        return nullptr;
    if (PageControl1->currentPage() == control(QStringLiteral("TabSheet6"))) {
        windows->Poczta->CopyFormPicture();
        return &windows->Poczta->Report1;
    }
    const auto checked = [this](const char* name) {
        const auto* radio = control<QRadioButton>(QString::fromLatin1(name));
        return radio && radio->isChecked();
    };
    // The three kinds exclude one another; the first checked one is the choice.
    if (checked("RadioButton1"))
        return &windows->FormVat->Report1;
    if (checked("RadioButton2"))
        return &windows->Faktura_RR->Report1;
    if (checked("RadioButton3"))
        return &windows->FormRachunek->Report1;
    return nullptr;
}

void TForm1::SpeedButton4Click() {
    // Chosen before the preview opens: its own event loop lets the choice change meanwhile.
    if (report::TReport* document = documentToHandOver())
        ledgora::documentRequests().preview(*document);
}

void TForm1::SpeedButton8Click() {
    if (report::TReport* document = documentToHandOver())
        ledgora::documentRequests().print(*document);
}

void TForm1::SpeedButton36Click() {
    if (ledgora::Windows* windows = ledgora::windows())
        windows->Form5->showWindow();
}

void TForm1::SpeedButton63Click() {
    if (ledgora::Windows* windows = ledgora::windows())
        windows->Form13->showWindow();
}

void TForm1::SpeedButton66Click() {
    // The same search window as for the seller, not told which button opened it.
    SpeedButton63Click();
}

void TForm1::SpeedButton7Click() {
    close();
}

void TForm1::closeEvent(QCloseEvent* event) {
    event->accept();
    QCoreApplication::quit();
}
