#include "platform/Programs.h"

#include <QProcess>
#include <QStandardPaths>

namespace platform {
namespace {

class DetachedStarter : public ProgramStarter {
public:
    void start(const QString& commandLine) override {
        for (const QString& program : candidatesFor(commandLine)) {
            const QString path = QStandardPaths::findExecutable(program);
            if (!path.isEmpty() && QProcess::startDetached(path, {}))
                return;
        }
    }
};

ProgramStarter* installed = nullptr;

} // namespace

void setProgramStarter(ProgramStarter* s) {
    installed = s;
}

QStringList candidatesFor(const QString& commandLine) {
    const QString name = commandLine.trimmed().toLower();
    if (name == u"notepad.exe")
        return {"gnome-text-editor", "gedit",      "kwrite", "kate", "mousepad", "pluma", "xed",
                "leafpad",           "featherpad", "xedit"};
    if (name == u"calc.exe")
        return {"gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk", "xcalc"};
    return {};
}

void startProgram(const QString& commandLine) {
    static DetachedStarter detached;
    (installed ? *installed : static_cast<ProgramStarter&>(detached)).start(commandLine);
}

} // namespace platform
