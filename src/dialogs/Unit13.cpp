#include "dialogs/Unit13.h"
#include "platform/Fonts.h"
#include "platform/Guarded.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

using kit::Kind;

constexpr QStringView categories[] = {u"Nazwisko", u"NIP", u"firma", u"Miejscowosc"};

// The field edits show the contractor records of the sellers and buyers pages.
// clang-format off
const kit::Row searchLayout[] = {
    {.name = "Label1", .kind = Kind::Label, .geometry = {8, 0, 71, 13}, .text = u"Imię i nazwisko"},
    {.name = "Label5", .kind = Kind::Label, .geometry = {120, 0, 71, 13}, .text = u"Imię i nazwisko"},
    {.name = "Label2", .kind = Kind::Label, .geometry = {224, 0, 18, 13}, .text = u"NIP"},
    {.name = "DBEdit1", .kind = Kind::FieldEdit, .geometry = {8, 16, 105, 21}, .label = "Label1", .tab = 2, .field = u"Nazwisko"},
    {.name = "DBEdit2", .kind = Kind::FieldEdit, .geometry = {120, 16, 97, 21}, .label = "Label5", .tab = 3, .field = u"Firma"},
    {.name = "DBEdit5", .kind = Kind::FieldEdit, .geometry = {224, 16, 81, 21}, .label = "Label2", .tab = 8, .field = u"NIP"},
    {.name = "Label3", .kind = Kind::Label, .geometry = {8, 40, 22, 13}, .text = u"ulica"},
    {.name = "Label4", .kind = Kind::Label, .geometry = {184, 40, 60, 13}, .text = u"miejscowość"},
    {.name = "DBEdit3", .kind = Kind::FieldEdit, .geometry = {8, 56, 169, 21}, .label = "Label3", .tab = 4, .field = u"Ulica"},
    {.name = "DBEdit4", .kind = Kind::FieldEdit, .geometry = {184, 56, 121, 21}, .label = "Label4", .tab = 5, .field = u"Miejscowosc"},
    {.name = "Label56", .kind = Kind::Label, .geometry = {8, 80, 117, 13}, .text = u"Szukaj według kategorii:", .fontColor = 0x000000},
    {.name = "ComboBox2", .kind = Kind::DropDownList, .geometry = {8, 96, 153, 21}, .label = "Label56", .tab = 0, .items = categories},
    {.name = "Edit13", .kind = Kind::Edit, .geometry = {8, 120, 153, 21}, .label = "Label56", .tab = 1},
    {.name = "BitBtn2", .kind = Kind::Button, .geometry = {184, 88, 121, 25}, .text = u"Anuluj", .tab = 7},
    {.name = "BitBtn1", .kind = Kind::Button, .geometry = {184, 120, 121, 25}, .text = u"Ok", .tab = 6},
};
// clang-format on

} // namespace

TForm13::TForm13(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Form13"));
    setWindowTitle(QStringLiteral("wyszukiwanie"));
    setFont(platform::windowFont());
    setFixedSize(312, 152);
    move(339, 187);

    controls_ = kit::build(this, searchLayout);
    ComboBox2 = qobject_cast<QComboBox*>(control(QStringLiteral("ComboBox2")));
    Edit13 = qobject_cast<QLineEdit*>(control(QStringLiteral("Edit13")));
    BitBtn1 = qobject_cast<QPushButton*>(control(QStringLiteral("BitBtn1")));
    BitBtn2 = qobject_cast<QPushButton*>(control(QStringLiteral("BitBtn2")));

    connect(BitBtn1, &QAbstractButton::clicked, this,
            [this] { ledgora::guarded([this] { BitBtn1Click(); }); });
    connect(BitBtn2, &QAbstractButton::clicked, this,
            [this] { ledgora::guarded([this] { BitBtn2Click(); }); });
    FormCreate();
}

void TForm13::showWindow() {
    show();
    raise();
    activateWindow();
}

void TForm13::FormCreate() {
    ComboBox2->setCurrentIndex(1); // "NIP"
}

// No search is made: closing hides the window, which keeps the category and the text.
void TForm13::BitBtn1Click() {
    close();
}

void TForm13::BitBtn2Click() {
    close();
}
