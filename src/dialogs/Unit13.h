#pragma once
// The contractor search window: shown by the find buttons of the invoice page. It offers a
// search category and a search text and shows the found contractor's main fields, but in
// this edition it searches nothing: both of its buttons only close it.
#include "kit/Layout.h"
#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;

class TForm13 : public QWidget {
    Q_OBJECT
public:
    explicit TForm13(QWidget* parent = nullptr);

    // Shows the window and brings it to the front; a window already shown only comes to the
    // front. It is not modal, and it keeps what the user left in it.
    void showWindow();

    // A control of the window, by name.
    QWidget* control(const QString& name) const { return controls_.value(name); }

    QComboBox* ComboBox2 = nullptr;
    QLineEdit* Edit13 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;

    void FormCreate();
    void BitBtn1Click();
    void BitBtn2Click();

private:
    kit::Controls controls_;
};
