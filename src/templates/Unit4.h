#pragma once
// The Faktura VAT RR template window: never shown; holds the report object of its document.
#include <QWidget>

class TFaktura_RR : public QWidget {
    Q_OBJECT
public:
    explicit TFaktura_RR(QWidget* parent = nullptr);
};
