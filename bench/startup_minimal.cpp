// The yardstick: a minimal Qt program showing a 792 x 553 window with a nine-tab notebook.
#include "FirstPaint.h"

#include <QApplication>
#include <QTabWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    FirstPaint probe(QStringLiteral("minimal"));
    app.installEventFilter(&probe);
    QWidget window;
    window.setObjectName(QStringLiteral("minimal"));
    window.setFixedSize(792, 553);
    auto* tabs = new QTabWidget(&window);
    tabs->setGeometry(0, 48, 792, 484);
    for (int i = 1; i <= 9; ++i)
        tabs->addTab(new QWidget, QStringLiteral("Page %1").arg(i));
    window.show();
    return app.exec();
}
