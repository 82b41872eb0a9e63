#pragma once
// The print progress window: a bar, a line of text and Cancel, on top of the other windows
// for as long as one print (or text export) request runs.
#include "kit/Layout.h"

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

namespace report {

class TRpProgressForm : public QWidget {
    Q_OBJECT
public:
    explicit TRpProgressForm(QWidget* parent = nullptr);

    QProgressBar* ProgressBar1 = nullptr;
    QLabel* Info = nullptr;
    QPushButton* CancelButton = nullptr;

    // A progress report: the bar and the text move on percentages that are multiples of 5.
    void setProgress(int percent);
    // Cancel was pressed (or the window closed by its frame).
    bool cancelled() const { return cancelled_; }

    QWidget* control(const QString& name) const { return controls_.value(name); }

signals:
    void cancelRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CancelButtonClick();

    kit::Controls controls_;
    bool cancelled_ = false;
};

} // namespace report
