#pragma once
// The Poczta template window: never shown; holds the report object of its document.
#include <QWidget>

class TPoczta : public QWidget {
    Q_OBJECT
public:
    explicit TPoczta(QWidget* parent = nullptr);
};
