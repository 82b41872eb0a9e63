#pragma once
// The Faktura VAT template window: never shown; holds the report object of its document.
#include <QWidget>

class TFormVat : public QWidget {
    Q_OBJECT
public:
    explicit TFormVat(QWidget* parent = nullptr);
};
