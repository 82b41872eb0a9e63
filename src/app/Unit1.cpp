#include "app/Unit1.h"
#include "app/Application.h"
#include "kit/CoolBar.h"
#include "kit/PageControl.h"
#include "kit/PictureBox.h"
#include "kit/SpeedButton.h"
#include "pages/Pages.h"
#include "platform/Error.h"
#include "platform/Fonts.h"
#include "platform/PictureDialog.h"
#include "platform/PictureFile.h"
#include "platform/Screen.h"
#include "platform/Sound.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPainter>

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
    {.name = "CoolBar1", .kind = Kind::CoolBar, .geometry = {0, 0, 792, 49}, .picture = ":/textures/teal.bmp", .font = &toolbarFont},
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
    setWindowIcon(QIcon(QStringLiteral(":/icon/ledgora.png")));
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
        controls_.insert(pages::buildPage(i, page));
    }
    CoolBar3->addBand({QStringLiteral("Wystawianie faktur, drukowanie"), 788, 10});
    CoolBar1->addBand({QStringLiteral(" "), 788, 0});
    controls_.insert(kit::build(CoolBar1, toolbar));

    FormCreate();

    connect(control<kit::SpeedButton>(QStringLiteral("SpeedButton2")), &QAbstractButton::clicked, this,
            [this] { ledgora::guarded([this] { SpeedButton2Click(); }); });

    connect(PageControl1, &kit::PageControl::pageChanged, this,
            [this] { ledgora::guarded([this] { PageControl1Change(); }); });
}

QWidget* TForm1::control(const QString& name) const {
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

    std::vector<kit::PictureBox*> targets;
    for (const char* name : backgroundTargets)
        targets.push_back(control<kit::PictureBox>(QString::fromLatin1(name)));

    for (const QRect& square : tileSquares(platform::screenSize()))
        for (kit::PictureBox* target : targets) {
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

void TForm1::closeEvent(QCloseEvent* event) {
    event->accept();
    QCoreApplication::quit();
}
