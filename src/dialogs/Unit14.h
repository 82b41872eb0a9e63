#pragma once
// The about window: the product name, a miniature of the main window, the maker.
#include "kit/Layout.h"
#include <QWidget>

class TForm5 : public QWidget {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);

    // Shows the window and brings it to the front; a window already shown only comes to the
    // front. It is not modal.
    void showWindow();

    // A control of the window, by name.
    QWidget* control(const QString& name) const { return controls_.value(name); }

    void SpeedButton1Click();

private:
    kit::Controls controls_;
};
