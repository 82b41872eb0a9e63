#include "templates/Unit4.h"

TFaktura_RR::TFaktura_RR(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("Faktura_RR"));
    setWindowTitle(QStringLiteral("Faktura VAT RR"));
    resize(803, 581);
}
