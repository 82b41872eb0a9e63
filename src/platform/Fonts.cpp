#include "platform/Fonts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QHash>
#include <QPointer>
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

} // namespace

QFont pixelFont(const QString& family, int pixelSize, bool bold, bool italic, bool underline) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    // The classic MS Sans Serif comes as a single 8 pt strike (11 px characters); at any other
    // size take the nearest scalable sans face rather than a wrongly sized one.
    if (pixelSize != 11 && !scalable(family))
        font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

QFont windowFont() {
    return pixelFont(QStringLiteral("MS Sans Serif"), 11);
}

namespace {

// Whether `font` draws in a face that has only its design size (whatever its window's style
// strategy and stretch, which a control inherits).
bool drawsSingleStrike(QFont font) {
    font.setStyleStrategy(QFont::PreferDefault);
    font.setStretch(QFont::Unstretched);
    const QFontInfo info(font);
    return !QFontDatabase::isScalable(info.family(), info.styleName());
}

// How the scalable face stands in for a single strike: at the pixel size that gives its letters
// the strike's height, and narrowed to the strike's text widths, since the controls were laid
// out around them and a caption must still fit its control.
struct StandIn {
    QStringList families;
    int pixelSize = 0;
    int stretch = QFont::Unstretched;
};

StandIn standInFor(QFont strike) {
    strike.setStyleStrategy(QFont::PreferDefault);
    strike.setStretch(QFont::Unstretched);
    strike.setUnderline(false);
    strike.setStrikeOut(false);
    static QHash<QString, StandIn> known;
    const QString key = strike.key();
    if (const auto it = known.constFind(key); it != known.constEnd())
        return *it;

    StandIn standIn;
    standIn.families = QFont::substitutes(QFontInfo(strike).family());
    QFont outline = strike;
    if (!standIn.families.isEmpty())
        outline.setFamilies(standIn.families);
    outline.setStyleStrategy(QFont::ForceOutline);
    // Capitals and ascenders; the scalable face measured large, where whole pixels do not
    // round its height.
    const QString tall = QStringLiteral("Hdklbf");
    const QFontMetricsF strikeMetrics(strike);
    outline.setPixelSize(100);
    const qreal height = QFontMetricsF(outline).tightBoundingRect(tall).height() / 100;
    standIn.pixelSize =
        height > 0 ? qRound(strikeMetrics.tightBoundingRect(tall).height() / height) : strike.pixelSize();
    outline.setPixelSize(standIn.pixelSize);
    // Measured on lowercase text, which most captions are; a caption narrower in the strike than
    // this gives is narrowed further where it is shown (see the follower below).
    const QString sample = QStringLiteral("abcdefghijklmnopqrstuvwxyz ąćęłńóśźż");
    const qreal widths =
        strikeMetrics.horizontalAdvance(sample) / QFontMetricsF(outline).horizontalAdvance(sample);
    standIn.stretch = widths >= 1 ? 100 : std::clamp(int(std::floor(100 * widths)), 50, 99);
    known.insert(key, standIn);
    return standIn;
}

} // namespace

QFont fontForRatio(const QFont& font, qreal ratio) {
    if (qFuzzyCompare(ratio, 1.0) || !drawsSingleStrike(font))
        return font;
    const StandIn standIn = standInFor(font);
    QFont fitted = font;
    if (!standIn.families.isEmpty())
        fitted.setFamilies(standIn.families);
    fitted.setPixelSize(standIn.pixelSize);
    fitted.setStretch(standIn.stretch);
    fitted.setStyleStrategy(QFont::ForceOutline);
    return fitted;
}

namespace {

// A window's controls draw in the faces of the window's screen. Each control that has a font of
// its own, and each caption that would otherwise grow wider than its control was laid out for,
// gets the font that stands in on this screen; the font the program gave it (or none, where it
// took its parent's) is kept beside it, so that back on a screen of ratio 1 it takes that again.
class ScreenRatioFollower : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Polish:
        case QEvent::Show:
        case QEvent::ScreenChangeInternal: // moved to another screen
            if (watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
                fitWindow(static_cast<QWidget*>(watched));
            break;
        default:
            break;
        }
        return false;
    }

public:
    static constexpr const char* givenKey = "ledgoraGivenFont";
    static constexpr const char* fittedKey = "ledgoraFittedFont";

    // Whether the font `w` draws in is the one set here last.
    static bool fittedHere(const QWidget* w) {
        const QVariant fitted = w->property(fittedKey);
        return fitted.isValid() && fitted.value<QFont>() == w->font();
    }

    // The font the program gave `w`: a default font where it gave none.
    static QFont given(const QWidget* w) {
        if (fittedHere(w))
            return w->property(givenKey).value<QFont>();
        return w->testAttribute(Qt::WA_SetFont) ? w->font() : QFont();
    }

    static QString caption(const QWidget* w) {
        if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            return button->text();
        if (const auto* box = qobject_cast<const QGroupBox*>(w))
            return box->title();
        return {};
    }

    static void fitWindow(QWidget* window) {
        const qreal ratio = window->devicePixelRatioF();
        // Each control's font at ratio 1, worked out from the window down before anything
        // changes; then the fonts for this ratio.
        QList<QWidget*> controls{window};
        QHash<const QWidget*, QFont> design;
        design.insert(window, given(window).resolve(QApplication::font(window)));
        for (QWidget* w : window->findChildren<QWidget*>()) {
            QWidget* parent = w->parentWidget();
            if (w->isWindow() || !design.contains(parent))
                continue; // a window of its own (a drop-down list) fits itself
            design.insert(w, given(w).resolve(design.value(parent)));
            controls << w;
        }
        for (QWidget* w : std::as_const(controls))
            fit(w, design.value(w), ratio);
    }

    static void fit(QWidget* w, const QFont& design, qreal ratio) {
        const bool ownFont = w->testAttribute(Qt::WA_SetFont) || fittedHere(w);
        const QString text = caption(w);
        if (!ownFont && text.isEmpty())
            return; // it draws in its parent's font, whatever stands in there
        QFont fitted = fontForRatio(design, ratio);
        if (fitted != design && !text.isEmpty()) {
            const qreal wide = QFontMetricsF(fitted).horizontalAdvance(text);
            const qreal room = QFontMetricsF(design).horizontalAdvance(text);
            if (wide > room)
                fitted.setStretch(std::max(1, int(std::floor(fitted.stretch() * room / wide))));
        }
        if (qFuzzyCompare(ratio, 1.0)) { // nothing stands in
            if (w->property(fittedKey).isValid()) {
                w->setFont(given(w));
                w->setProperty(fittedKey, QVariant());
                w->setProperty(givenKey, QVariant());
            }
            return;
        }
        // Already drawn so: in its own font, or in its parent's stand-in that fits its caption.
        // A font of another face is set in full, so that it takes no stretch from a stand-in.
        if (fitted == w->font())
            return;
        fitted.setResolveMask(QFont::AllPropertiesResolved);
        w->setProperty(givenKey, given(w));
        w->setFont(fitted);
        w->setProperty(fittedKey, w->font());
    }
};

} // namespace

void fitToScreen(QWidget* window) {
    if (window)
        ScreenRatioFollower::fitWindow(window->window());
}

void followScreenRatios() {
    static QPointer<QObject> follower;
    if (follower || !qApp)
        return;
    follower = new ScreenRatioFollower(qApp);
    qApp->installEventFilter(follower);
}

} // namespace platform
