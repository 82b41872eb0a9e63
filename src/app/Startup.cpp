#include "app/Startup.h"
#include "app/Application.h"
#include "app/Unit1.h"
#include "dialogs/Unit13.h"
#include "dialogs/Unit14.h"
#include "templates/Unit2.h"
#include "templates/Unit3.h"
#include "templates/Unit4.h"
#include "templates/Unit9.h"

#include <QScreen>
#include <cstdio>
#include <cstdlib>

namespace ledgora {
namespace {

Windows* current = nullptr;

template <typename T> std::unique_ptr<T> make(const CreationHook& created) {
    auto window = std::make_unique<T>();
    window->hide();
    if (created)
        created(window->objectName());
    return window;
}

bool hasDisplay() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland"))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

Windows::Windows() {
    current = this;
}

Windows::~Windows() {
    Form5.reset();
    Form13.reset();
    Poczta.reset();
    FormVat.reset();
    Faktura_RR.reset();
    FormRachunek.reset();
    Form1.reset();
    if (current == this)
        current = nullptr;
}

Windows* windows() {
    return current;
}

std::unique_ptr<Windows> createWindows(const CreationHook& created) {
    auto w = std::make_unique<Windows>();
    w->Form1 = make<TForm1>(created);
    w->FormRachunek = make<TFormRachunek>(created);
    w->Faktura_RR = make<TFaktura_RR>(created);
    w->FormVat = make<TFormVat>(created);
    w->FormVat->setCorrectionTitleSource([form = w->Form1.get()] { return form->correctionTitle(); });
    w->Poczta = make<TPoczta>(created);
    w->Form13 = make<TForm13>(created);
    w->Form5 = make<TForm5>(created);
    return w;
}

int run(const CreationHook& created) {
    std::unique_ptr<Windows> all;
    try {
        all = createWindows(created);
    } catch (...) {
        all.reset();
        Application::showError(std::current_exception());
        return 0;
    }

    TForm1& main = *all->Form1;
    if (const QScreen* screen = main.screen())
        main.move(screen->availableGeometry().center() - main.rect().center());
    main.show();
    QApplication::exec();
    return 0;
}

int runProgram(int, char** argv) {
    if (!hasDisplay()) {
        std::fputs("ledgora: no display (DISPLAY and WAYLAND_DISPLAY are unset); try: xvfb-run make run\n",
                   stderr);
        return 0;
    }
    Application app(argv[0]);
    return run();
}

} // namespace ledgora
