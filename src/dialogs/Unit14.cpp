#include "dialogs/Unit14.h"

TForm5::TForm5(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("informacje o programie"));
    setFixedSize(390, 199);
    move(246, 149);
}
