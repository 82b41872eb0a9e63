#include "templates/Unit9.h"

TPoczta::TPoczta(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("Poczta"));
    setWindowTitle(QStringLiteral("Poczta"));
    resize(684, 488);
}
