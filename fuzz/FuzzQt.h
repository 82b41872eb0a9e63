#pragma once
// What every fuzz target needs before its first input: a Qt application on the offscreen
// platform that lives to the end of the process, and no Qt messages on the console.
#include <QGuiApplication>

namespace fuzzing {

inline void startQt() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    // Qt's own arguments only: libFuzzer's flags are not for it.
    static int argc = 1;
    static char name[] = "ledgora_fuzz";
    static char* argv[] = {name, nullptr};
    // Never destroyed: what Qt caches stays reachable, so leak checks at exit stay quiet and
    // a leak is only reported for the input that caused it.
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
}

} // namespace fuzzing
