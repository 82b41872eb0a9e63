#include "tools/snapshot.h"
#include "app/Application.h"

#include <QDir>
#include <cstdio>
#include <map>
#include <string>

namespace snapshot {
namespace {
std::map<std::string, void (*)(const QString&)>& parts() {
    static std::map<std::string, void (*)(const QString&)> all;
    return all;
}
} // namespace

Part::Part(const char* name, void (*write)(const QString&)) {
    parts()[name] = write;
}

} // namespace snapshot

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: ledgora-snapshot OUTDIR\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ledgora::Application app(argv[0]);
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    for (const auto& [name, write] : snapshot::parts()) {
        write(out);
        std::printf("%s: written\n", name.c_str());
    }
    return 0;
}
