#include "templates/Unit2.h"

TFormVat::TFormVat(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("FormVat"));
    setWindowTitle(QStringLiteral("Faktura VAT"));
    resize(812, 605);
}
