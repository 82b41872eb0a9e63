#include "platform/Sound.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace platform {
namespace {

// The player lives in the sound module, opened on the first play so that start-up does not
// load the multimedia back end. Without the module the program stays silent, as it does
// without the sound file.
class ModulePlayer : public SoundSink {
public:
    void play(const QString& path) override {
        if (!QFileInfo(path).isFile())
            return;
        if (!tried_) {
            tried_ = true;
            play_ = load();
        }
        if (play_)
            play_(&path);
    }

private:
    using Play = void (*)(const QString*);

    static Play load() {
        const QString dir = QCoreApplication::applicationDirPath();
        for (const QString& name : {dir + QStringLiteral("/ledgora-sound"),
                                    dir + QStringLiteral("/../lib/ledgora/ledgora-sound")}) {
            QLibrary module(name);
            if (auto play = reinterpret_cast<Play>(module.resolve("ledgora_play_sound")))
                return play; // the module stays loaded for the rest of the run
        }
        return nullptr;
    }

    bool tried_ = false;
    Play play_ = nullptr;
};

SoundSink* installed = nullptr;

SoundSink& sink() {
    static ModulePlayer player;
    return installed ? *installed : player;
}

} // namespace

void setSoundSink(SoundSink* s) {
    installed = s;
}

QString localSoundPath(const QString& fileName) {
    QString relative = fileName;
    relative.replace(u'\\', u'/');
    return QDir::current().absoluteFilePath(relative);
}

void playSoundAsync(const QString& fileName) {
    sink().play(localSoundPath(fileName));
}

} // namespace platform
