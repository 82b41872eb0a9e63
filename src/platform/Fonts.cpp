#include "platform/Fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QHash>

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

} // namespace platform
