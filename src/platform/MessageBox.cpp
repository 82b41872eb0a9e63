#include "platform/MessageBox.h"
#include "platform/Error.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>

namespace platform {
namespace {

class ScreenBoxes : public MessageSink {
public:
    void show(const BoxRequest& request) override {
        if (request.icon == BoxIcon::Stop) {
            QMessageBox box(QMessageBox::Critical, request.title, request.text, QMessageBox::Ok);
            box.exec();
            return;
        }
        // No owner and not modal: wait in a nested loop of our own so that other
        // windows, and other boxes, go on working meanwhile.
        auto* box = new QMessageBox(QMessageBox::NoIcon, request.title, request.text, QMessageBox::Ok);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::NonModal);
        QEventLoop loop;
        QObject::connect(box, &QObject::destroyed, &loop, &QEventLoop::quit);
        box->show();
        loop.exec();
    }
};

MessageSink* installed = nullptr;

MessageSink& sink() {
    static ScreenBoxes screen;
    return installed ? *installed : screen;
}

} // namespace

void setMessageSink(MessageSink* s) {
    installed = s;
}

void messageBox(const QString& text, const QString& title) {
    sink().show({title, text, BoxIcon::None});
}

void errorBox(const QString& message) {
    sink().show({QApplication::applicationName(), withFullStop(message), BoxIcon::Stop});
}

} // namespace platform
