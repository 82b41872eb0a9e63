#pragma once
// Reports the first paint of a window on standard output ("painted") and closes it.
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

class FirstPaint : public QObject {
public:
    explicit FirstPaint(QString windowName)
        : name_(std::move(windowName)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (done_ || event->type() != QEvent::Paint || !watched->isWidgetType())
            return false;
        QWidget* window = static_cast<QWidget*>(watched)->window();
        if (window->objectName() != name_)
            return false;
        done_ = true;
        // after this paint has been handled
        QTimer::singleShot(0, window, [window] {
            std::fputs("painted\n", stdout);
            std::fflush(stdout);
            window->close();
        });
        return false;
    }

private:
    QString name_;
    bool done_ = false;
};
