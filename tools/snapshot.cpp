#include "tools/snapshot.h"
#include "app/Application.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryFile>
#include <cstdio>
#include <map>
#include <string>

namespace snapshot {
namespace {
struct Entry {
    void (*write)(const QString&);
    Part::Ratios ratios;
};
std::map<std::string, Entry>& parts() {
    static std::map<std::string, Entry> all;
    return all;
}
QString suffix;
} // namespace

Part::Part(const char* name, void (*write)(const QString&), Ratios ratios) {
    parts()[name] = {write, ratios};
}

QString ratioSuffix() {
    return suffix;
}

} // namespace snapshot

// ledgora-snapshot OUTDIR [RATIO]: with RATIO, only the parts looked at on scaled displays, at
// that ratio (the run without it starts those runs itself).
int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: ledgora-snapshot OUTDIR\n", stderr);
        return 2;
    }
    const QByteArray ratio = argc > 2 ? QByteArray(argv[2]) : QByteArray();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryFile screen(QDir::tempPath() + QStringLiteral("/ledgora-screen-XXXXXX.json"));
    if (!ratio.isEmpty()) {
        // A display of that ratio with room for the window (and for the tiled backgrounds,
        // which cover the screen).
        if (!screen.open())
            return 1;
        screen.write(
            R"({"screens": [{"name": "scaled", "x": 0, "y": 0, "width": 1280, "height": 1024, "dpr": )" +
            ratio + "}]}");
        screen.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screen.fileName()));
        snapshot::suffix = QStringLiteral("@%1x").arg(QString::fromLatin1(ratio));
    }
    ledgora::Application app(argv[0]);
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    for (const auto& [name, part] : snapshot::parts()) {
        if (!ratio.isEmpty() && part.ratios != snapshot::Part::AlsoScaled)
            continue;
        part.write(out);
        std::printf("%s%s: written\n", name.c_str(), ratio.isEmpty() ? "" : qPrintable(" @" + ratio + "x"));
    }
    std::fflush(stdout);
    if (ratio.isEmpty())
        for (const char* scaled : {"1.5", "2"})
            if (QProcess::execute(QCoreApplication::applicationFilePath(), {out, QLatin1String(scaled)}) != 0)
                return 1;
    return 0;
}
