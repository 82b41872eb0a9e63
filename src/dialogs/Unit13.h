#pragma once
// The contractor search window: shown by the find buttons of the invoice page.
#include <QWidget>

class TForm13 : public QWidget {
    Q_OBJECT
public:
    explicit TForm13(QWidget* parent = nullptr);
    void showWindow() {
        show();
        raise();
        activateWindow();
    }
};
