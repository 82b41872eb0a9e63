#pragma once
// The Rachunek template window: never shown; holds the report object of its document.
#include "report/Report.h"

#include <QWidget>

class TFormRachunek : public QWidget {
    Q_OBJECT
public:
    explicit TFormRachunek(QWidget* parent = nullptr);
    ~TFormRachunek() override;

    report::TReport Report1;
};
