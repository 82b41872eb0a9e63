#include "report/TextMetrics.h"

#include <QFontMetricsF>
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

const QFontMetricsF& fontMetrics(const TextFont& font) {
    using Key = std::tuple<QString, int, bool, bool, bool>;
    static std::map<Key, std::unique_ptr<QFontMetricsF>> cache;
    const Key key{font.family, font.pixelHeight, font.bold, font.italic, font.underline};
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.emplace(key, std::make_unique<QFontMetricsF>(qfont(font), &device96())).first;
    return *it->second;
}

} // namespace

namespace metrics {

double width(const TextFont& font, const QString& text) {
    return text.isEmpty() ? 0.0 : fontMetrics(font).horizontalAdvance(text);
}

double lineHeight(const TextFont& font) {
    return fontMetrics(font).height();
}

double ascent(const TextFont& font) {
    return fontMetrics(font).ascent();
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
