#include "platform/Sound.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace platform {
namespace {

// One shared effect, made on the first play so that start-up does not wait for the
// multimedia back end.
class EffectPlayer : public SoundSink {
public:
    void play(const QString& path) override {
        if (!QFileInfo(path).isFile())
            return;
        if (!effect_)
            effect_ = new QSoundEffect(QCoreApplication::instance()); // dies with the application
        const QUrl url = QUrl::fromLocalFile(path);
        if (effect_->source() != url)
            effect_->setSource(url);
        effect_->stop();
        effect_->play();
    }

private:
    QPointer<QSoundEffect> effect_;
};

SoundSink* installed = nullptr;

SoundSink& sink() {
    static EffectPlayer player;
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
