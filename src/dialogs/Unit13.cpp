#include "dialogs/Unit13.h"

TForm13::TForm13(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("Form13"));
    setWindowTitle(QStringLiteral("wyszukiwanie"));
    setFixedSize(312, 152);
    move(339, 187);
}
