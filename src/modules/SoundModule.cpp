// The button sound's player, in a module of its own: the multimedia libraries and the
// audio chain behind them are loaded on the first click, not with the program.
#include <QCoreApplication>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace {

// One shared effect: a new play cuts the old one off.
QPointer<QSoundEffect> effect;

} // namespace

extern "C" Q_DECL_EXPORT void ledgora_play_sound(const QString* path) {
    if (!path)
        return;
    if (!effect)
        effect = new QSoundEffect(QCoreApplication::instance()); // dies with the application
    const QUrl url = QUrl::fromLocalFile(*path);
    if (effect->source() != url)
        effect->setSource(url);
    effect->stop();
    effect->play();
}
