#include "templates/Unit3.h"

TFormRachunek::TFormRachunek(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("FormRachunek"));
    setWindowTitle(QStringLiteral("Rachunek"));
    resize(803, 612);
}
