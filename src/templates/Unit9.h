#pragma once
// The Poczta template window: never shown; holds the report object of its document, a landscape
// sheet of four cash-payment forms.
#include "report/Report.h"

#include <QWidget>

class TPoczta : public QWidget {
    Q_OBJECT
public:
    explicit TPoczta(QWidget* parent = nullptr);
    ~TPoczta() override;

    report::TReport Report1;
    report::TRpImage* RpImage9 = nullptr; // the form picture, stored once
    report::TRpImage* RpImage1 = nullptr; // the four copies
    report::TRpImage* RpImage2 = nullptr;
    report::TRpImage* RpImage3 = nullptr;
    report::TRpImage* RpImage4 = nullptr;

    // Copies the form picture into the four copy elements, pixel for pixel. Run before every
    // preview and print.
    void CopyFormPicture();
};
