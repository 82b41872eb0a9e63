#pragma once
// The Faktura VAT RR template window: never shown; holds the report object of its document.
#include "report/Report.h"

#include <QWidget>

class TFaktura_RR : public QWidget {
    Q_OBJECT
public:
    explicit TFaktura_RR(QWidget* parent = nullptr);
    ~TFaktura_RR() override;

    report::TReport Report1;
};
