#pragma once
// The Rachunek template window: never shown; holds the report object of its document.
#include <QWidget>

class TFormRachunek : public QWidget {
    Q_OBJECT
public:
    explicit TFormRachunek(QWidget* parent = nullptr);
};
