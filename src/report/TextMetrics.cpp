#include "report/TextMetrics.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <map>
#include <memory>
#include <tuple>

namespace report {

TextFont textFont(const TRpFont& font) {
    return {font.Name, font.pixelHeight(), font.Bold, font.Italic, font.Underline};
}

QFont qfont(const TextFont& font) {
    QFont f(font.family);
    f.setPixelSize(font.pixelHeight);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    // Unhinted outlines scale linearly, so the 96 dpi measurements hold at every resolution.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

namespace {

const QImage& device96() {
    static const QImage image = [] {
        QImage img(1, 1, QImage::Format_RGB32);
        img.setDotsPerMeterX(3780); // 96 dpi
        img.setDotsPerMeterY(3780);
        return img;
    }();
    return image;
}

// One font's metrics, with the widths measured so far: a document measures the same few
// strings on every composition.
struct Measured {
    explicit Measured(const QFont& font)
        : fm(font, &device96())
        , height(fm.height())
        , ascent(fm.ascent()) {}
    QFontMetricsF fm;
    double height;
    double ascent;
    QHash<QString, double> widths;
};

using Key = std::tuple<QString, int, bool, bool, bool>;
std::map<Key, std::unique_ptr<Measured>> cache;
std::pair<TextFont, Measured*> last;

bool releaseRegistered = false;

// The fonts belong to the application: let them go with it.
void release() {
    cache.clear();
    last = {};
    releaseRegistered = false;
}

Measured& measured(const TextFont& font) {
    if (!releaseRegistered) {
        qAddPostRoutine(release);
        releaseRegistered = true;
    }
    if (last.second && last.first == font)
        return *last.second;
    const Key key{font.family, font.pixelHeight, font.bold, font.italic, font.underline};
    auto it = cache.find(key);
    if (it == cache.end()) {
        // A document uses a handful of fonts; a loaded file may name any number of them, so
        // what is remembered stays bounded.
        if (cache.size() >= 256) {
            cache.clear();
            last = {};
        }
        it = cache.emplace(key, std::make_unique<Measured>(qfont(font))).first;
    }
    last = {font, it->second.get()};
    return *it->second;
}

} // namespace

namespace metrics {

double width(const TextFont& font, const QString& text) {
    if (text.isEmpty())
        return 0.0;
    Measured& m = measured(font);
    if (const auto it = m.widths.constFind(text); it != m.widths.constEnd())
        return *it;
    if (m.widths.size() > 8192) // long reports measure many different strings once each
        m.widths.clear();
    const double w = m.fm.horizontalAdvance(text);
    m.widths.insert(text, w);
    return w;
}

void forgetWidths() {
    for (auto& [key, m] : cache)
        m->widths.clear();
}

double lineHeight(const TextFont& font) {
    return measured(font).height;
}

double ascent(const TextFont& font) {
    return measured(font).ascent;
}

} // namespace metrics

namespace {

// Words end just after a space or a hyphen, or at the end of the line.
QStringList words(const QString& line) {
    QStringList out;
    QString word;
    for (QChar c : line) {
        word += c;
        if (c == QLatin1Char(' ') || c == QLatin1Char('-')) {
            out << word;
            word.clear();
        }
    }
    if (!word.isEmpty())
        out << word;
    return out;
}

// The longest start of `word` that fits.
QString cut(const QString& word, const TextFont& font, double widthPx) {
    int n = int(word.size());
    while (n > 0 && metrics::width(font, word.left(n)) > widthPx)
        --n;
    return word.left(n);
}

} // namespace

QStringList wrapLines(const QStringList& lines, const TextFont& font, double widthPx) {
    QStringList out;
    for (const QString& line : lines) {
        if (line.isEmpty()) {
            out << line;
            continue;
        }
        QString current;
        for (const QString& word : words(line)) {
            if (metrics::width(font, current + word) <= widthPx) {
                current += word;
                continue;
            }
            if (!current.isEmpty())
                out << current;
            current.clear();
            if (metrics::width(font, word) <= widthPx) {
                current = word;
            } else {
                // A word wider than the element takes a line of its own, cut to the width.
                out << cut(word, font, widthPx);
            }
        }
        if (!current.isEmpty())
            out << current;
    }
    return out;
}

} // namespace report
