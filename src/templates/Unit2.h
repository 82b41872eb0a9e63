#pragma once
// The Faktura VAT template window: never shown; holds the report object of its document.
#include "report/Report.h"

#include <QWidget>
#include <functional>

class TFormVat : public QWidget {
    Q_OBJECT
public:
    explicit TFormVat(QWidget* parent = nullptr);
    ~TFormVat() override;

    report::TReport Report1;
    report::TRpLabel* RpLabel31 = nullptr; // the page number in the page header

    // Page start: writes the page number and takes the correction title from the invoice page.
    void Report1StartPage(report::TReport& Sender);

    // Where the page start reads the invoice page's correction title (default: none).
    void setCorrectionTitleSource(std::function<QString()> source);
    // The correction title received at the last page start. The document has no place for it,
    // so it is kept here rather than printed over a goods cell.
    const QString& correctionTitle() const { return correctionTitle_; }

private:
    std::function<QString()> correctionTitleSource_;
    QString correctionTitle_;
};
