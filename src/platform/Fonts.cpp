#include "platform/Fonts.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QFontDatabase>
#include <QHash>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace platform {

void loadApplicationFonts() {
    static bool loaded = false;
    if (loaded)
        return;
    loaded = true;
    // The bitmap .fon faces in the same folder have wrong metrics at these sizes.
    for (const char* file : {"ms_sans_serif.ttf", "tahoma.ttf", "tahomabd.ttf"}) {
        const QString path = QStringLiteral("/usr/share/wine/fonts/") + QLatin1String(file);
        if (QFile::exists(path))
            QFontDatabase::addApplicationFont(path);
    }
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    loadDisplayFace();
}

QString loadDisplayFace(const QString& file) {
    const QString display = QStringLiteral("Benguiat Bk BT");
    static QHash<QString, QString> loaded; // file -> family, so that a file is added once
    QStringList standIns;
    if (!loaded.contains(file) && QFile::exists(file)) {
        const int id = QFontDatabase::addApplicationFont(file);
        if (id >= 0)
            loaded.insert(file, QFontDatabase::applicationFontFamilies(id).value(0));
    }
    standIns << loaded.value(file);
    standIns << QStringLiteral("Liberation Serif") << QStringLiteral("DejaVu Serif");
    standIns.removeAll(QString());
    QFont::removeSubstitutions(display);
    QFont::insertSubstitutions(display, standIns);
    return standIns.first();
}

namespace {

// Whether `family`, or the face that stands in for it, can be drawn at any size.
bool scalable(const QString& family) {
    if (QFontDatabase::hasFamily(family))
        return QFontDatabase::isScalable(family);
    for (const QString& standIn : QFont::substitutes(family))
        if (QFontDatabase::hasFamily(standIn))
            return QFontDatabase::isScalable(standIn);
    return false;
}

// The stretch that gives the scalable face standing in for the single strike `family` the
// strike's text widths: the controls were laid out around those widths, and a caption drawn
// on a screen of another ratio must still fit its control. Measured on lowercase text, which
// most captions are, and rounded down a step further for captions rich in narrow letters (the
// stand-in's i, j and l are wider than the strike's).
int standInStretch(const QString& family) {
    static QHash<QString, int> known;
    if (const auto it = known.constFind(family); it != known.constEnd())
        return *it;
    QFont strike(family);
    strike.setPixelSize(11);
    QFont standIn = fontForRatio(strike, 2);
    const QString sample = QStringLiteral("abcdefghijklmnopqrstuvwxyz ąćęłńóśźż");
    const qreal ratio =
        QFontMetricsF(strike).horizontalAdvance(sample) / QFontMetricsF(standIn).horizontalAdvance(sample);
    const int stretch = ratio >= 1 ? 100 : std::clamp(int(std::floor(100 * ratio)) - 1, 50, 99);
    known.insert(family, stretch);
    return stretch;
}

} // namespace

QFont pixelFont(const QString& family, int pixelSize, bool bold, bool italic, bool underline) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    // Named on every font, so that a control with a face of its own does not take its
    // window's stretch.
    font.setStretch(QFont::Unstretched);
    // The classic MS Sans Serif comes as a single 8 pt strike (11 px characters); at any other
    // size take the nearest scalable sans face rather than a wrongly sized one.
    if (!scalable(family)) {
        if (pixelSize == 11)
            font.setStretch(standInStretch(family)); // the strike itself draws unstretched
        else
            font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    }
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

QFont windowFont() {
    return pixelFont(QStringLiteral("MS Sans Serif"), 11);
}

QFont fontForRatio(QFont font, qreal ratio) {
    const QFont::StyleStrategy strategy = font.styleStrategy();
    const bool outline = !qFuzzyCompare(ratio, 1.0);
    font.setStyleStrategy(
        QFont::StyleStrategy(outline ? strategy | QFont::ForceOutline : strategy & ~QFont::ForceOutline));
    return font;
}

namespace {

// The window's font carries the choice; its controls inherit it, also those that set a face
// and a size of their own, since they leave the style strategy to their window.
class ScreenRatioFollower : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Polish:
        case QEvent::Show:
        case QEvent::ScreenChangeInternal: // moved to another screen
            if (watched->isWidgetType())
                fit(static_cast<QWidget*>(watched));
            break;
        default:
            break;
        }
        return false;
    }

private:
    static void fit(QWidget* w) {
        if (!w->isWindow())
            return;
        const QFont fitted = fontForRatio(w->font(), w->devicePixelRatioF());
        if (fitted.styleStrategy() != w->font().styleStrategy())
            w->setFont(fitted);
    }
};

} // namespace

void followScreenRatios() {
    static QObject* follower = nullptr;
    if (follower || !qApp)
        return;
    follower = new ScreenRatioFollower(qApp);
    qApp->installEventFilter(follower);
}

} // namespace platform
