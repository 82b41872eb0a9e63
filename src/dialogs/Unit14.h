#pragma once
// The about window: the product name, a miniature of the main window, the maker.
#include <QWidget>

class TForm5 : public QWidget {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);
    void showWindow() {
        show();
        raise();
        activateWindow();
    }
};
