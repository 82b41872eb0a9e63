// main.png (the whole main window) and page-0.png ... page-8.png (each page's client area).
#include "app/Startup.h"
#include "app/Unit1.h"
#include "kit/PageControl.h"
#include "tools/snapshot.h"

namespace {

void write(const QString& out) {
    auto windows = ledgora::createWindows();
    TForm1& form = *windows->Form1;
    form.show();
    form.grab().save(out + "/main.png");
    form.buildPendingPages(); // as they are right after the first paint
    for (int i = 0; i < form.PageControl1->count(); ++i) {
        const QSignalBlocker quiet(form.PageControl1);
        form.PageControl1->setCurrentIndex(i);
        form.PageControl1->page(i)->grab().save(out + QStringLiteral("/page-%1.png").arg(i));
    }
}

const snapshot::Part part("main window", write);

} // namespace
