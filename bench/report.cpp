// Times the report engine: for each document the median time to compose it, to render its page
// at 96 dpi and to write its PDF; then composition of a synthetic report of N identical 50 mm
// bands for N = 100, 1 000 and 10 000, with page-store memory per page and the growth ratios.
#include "report/Report.h"
#include "Median.h"
#include "report/TextMetrics.h"
#include "templates/Documents.h"

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

using namespace report;

namespace {

void document(const char* name, TReport& report, const QString& dir) {
    PageStore store;
    report.Compose(store); // fonts loaded
    const double cold = medianMs(51, [&] {
        metrics::forgetWidths();
        report.Compose(store);
    });
    const double compose = medianMs(201, [&] { report.Compose(store); });
    const double render = medianMs(21, [&] { renderImage(store.page(1), 96); });
    const QString pdf = dir + QStringLiteral("/bench.pdf");
    const double write = medianMs(11, [&] { writePdf(store, pdf); });
    std::printf("%-10s %12.3f %12.3f %12.2f %12.2f %10zu\n", name, cold, compose, render, write,
                store.approxBytes());
}

// N sub-detail bands of 50 mm, each with three labels and two shapes.
void synthetic(TReport& r, int n) {
    r.Bands.clear();
    auto footer = std::make_unique<TRpBand>(rbPageFooter);
    footer->Height = 42.33;
    r.addBand(std::move(footer));
    for (int i = 0; i < n; ++i) {
        auto band = std::make_unique<TRpSubDetail>();
        band->Master = &r;
        band->PrintIfEmpty = true;
        band->Height = 500;
        band->Frame.DrawTop = true;
        for (int j = 0; j < 3; ++j) {
            auto label = std::make_unique<TRpLabel>();
            label->setPixelBounds(10 + 200 * j, 10, 150, 17);
            label->AutoSize = j != 2;
            label->Alignment = j == 1 ? taRightJustify : taLeftJustify;
            label->setCaption(QStringLiteral("Pozycja %1, kolumna %2").arg(i).arg(j));
            band->add(std::move(label));
        }
        auto rule = std::make_unique<TRpShape>();
        rule->Shape = shHorLine;
        rule->setPixelBounds(0, 40, 718, 9);
        band->add(std::move(rule));
        auto box = std::make_unique<TRpShape>();
        box->setPixelBounds(500, 60, 200, 100);
        band->add(std::move(box));
        r.addBand(std::move(band));
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;

    std::printf("Documents (median ms; cold: text widths measured afresh, warm: remembered)\n");
    std::printf("%-10s %12s %12s %12s %12s %10s\n", "document", "compose cold", "compose warm",
                "render 96dpi", "write PDF", "store B");
    {
        templates::Documents documents;
        documents.transfer.CopyFormPicture();
        for (const char* name : templates::Documents::names)
            document(name, *documents.byName(QString::fromLatin1(name)), dir.path());
    }

    std::printf("\nGrowth: N bands of 50 mm (3 labels, 2 shapes, a frame line each), cold\n");
    std::printf("%8s %8s %12s %12s %14s %10s\n", "N", "pages", "compose ms", "ms/page", "store B/page",
                "ratio");
    double previous = 0;
    for (int n : {100, 1000, 10000}) {
        TReport r;
        synthetic(r, n);
        PageStore store;
        r.Compose(store);
        // Cold: every band's captions are new text, as with real data.
        const double ms = medianMs(n >= 10000 ? 3 : 7, [&] {
            metrics::forgetWidths();
            r.Compose(store);
        });
        const int pages = store.pageCount();
        std::printf("%8d %8d %12.2f %12.4f %14.0f %10s\n", n, pages, ms, ms / pages,
                    double(store.approxBytes()) / pages,
                    previous > 0 ? qPrintable(QString::number(ms / previous, 'f', 2)) : "-");
        previous = ms;
    }
    return 0;
}
