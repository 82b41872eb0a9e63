#include "dialogs/Unit14.h"
#include "kit/SpeedButton.h"
#include "platform/Fonts.h"
#include "platform/Guarded.h"

namespace {

using kit::Kind;

constexpr kit::Font contactFont{.pixelSize = 13};
constexpr kit::Font linkFont{.pixelSize = 13, .underline = true};
constexpr kit::Font closeFont{.family = u"Arial", .pixelSize = 12};
constexpr kit::Font titleFont{.family = u"Benguiat Bk BT", .pixelSize = 21, .bold = true};

// From back to front. The contact lines and the hidden edition label end at x = 374 whatever
// their texts' widths; the maker is fictional.
// clang-format off
const kit::Row aboutLayout[] = {
    {.name = "Image1", .kind = Kind::Picture, .geometry = {24, 24, 133, 94}, .text = u"okno programu Ledgora", .picture = ":/about/miniature.bmp"},
    {.name = "Label4", .kind = Kind::Label, .geometry = {236, 56, 138, 16}, .text = u"wersja demonstracyjna", .fontColor = 0x000000, .font = &contactFont, .hidden = true, .right = true},
    {.name = "Label1", .kind = Kind::Label, .geometry = {201, 72, 173, 16}, .text = u"sprzedaż: (012) 000 00 00", .fontColor = 0x000000, .font = &contactFont, .right = true},
    {.name = "Label5", .kind = Kind::Label, .geometry = {174, 88, 200, 16}, .text = u"pomoc techniczna: (012) 000 00 01", .fontColor = 0x000000, .font = &contactFont, .right = true},
    {.name = "Label6", .kind = Kind::Label, .geometry = {211, 104, 163, 16}, .text = u"biuro@ledgora.example", .fontColor = 0x000000, .font = &contactFont, .right = true},
    {.name = "Label3", .kind = Kind::Label, .geometry = {235, 120, 139, 16}, .text = u"www.ledgora.example", .fontColor = 0x000000, .font = &linkFont, .right = true},
    {.name = "SpeedButton1", .kind = Kind::FlatSpeedButton, .geometry = {22, 134, 139, 25}, .text = u"zamknij", .fontColor = 0x000000, .font = &closeFont},
    {.name = "Label2", .kind = Kind::Label, .geometry = {150, 178, 234, 13}, .text = u"Wszelkie prawa zastrzeżone © Ledgora"},
    {.name = "Label7", .kind = Kind::Label, .geometry = {256, 24, 117, 25}, .text = u"Ledgora", .font = &titleFont},
};
// clang-format on

} // namespace

TForm5::TForm5(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("informacje o programie"));
    setFont(platform::windowFont());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);
    setFixedSize(390, 199);
    move(246, 149);

    controls_ = kit::build(this, aboutLayout);
    connect(qobject_cast<kit::SpeedButton*>(control(QStringLiteral("SpeedButton1"))),
            &QAbstractButton::clicked, this, [this] { ledgora::guarded([this] { SpeedButton1Click(); }); });
}

void TForm5::showWindow() {
    show();
    raise();
    activateWindow();
}

void TForm5::SpeedButton1Click() {
    close();
}
