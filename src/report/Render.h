#pragma once
// Replaying composed pages: on any QPainter device, into PNG and PDF files, and as plain text.
#include "report/PageStore.h"

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <functional>
#include <vector>

class QIODevice;

class QPainter;

namespace report {

// Draws `page` on the painter's device, whose resolution is dpiX × dpiY. `offset` (tenths) is
// taken off every position, so that a printer's unprintable margins keep positions measured
// from the paper's edge: device position = round((tenths − offset) × dpi / 254).
// `visible` (tenths, empty: all) leaves out what lies wholly outside it, so that a page shown
// enlarged costs only what is in view.
void renderPage(QPainter& painter, const StoredPage& page, double dpiX, double dpiY, QPointF offset = {},
                const QRectF& visible = {});

// The whole page on white at `dpi`.
QImage renderImage(const StoredPage& page, double dpi);
bool writePng(const StoredPage& page, const QString& fileName, double dpi);

struct PdfOptions {
    QString title;
    // The resolution of the drawing grid: pen widths are its pixels (a printer's resolution
    // when the PDF goes to the printer).
    int dpi = 300;
    // PDF/A-1b, for invoices that are archived: fonts embedded, colours tagged, metadata.
    bool archive = true;
    // The page numbers to write, in order; empty: every page.
    std::vector<int> pages;
    // Asked before each page with its number; false stops the writing (the run was cancelled).
    std::function<bool(int)> beforePage;
};

// Pages as vector drawing with the fonts embedded and the pictures lossless, each distinct
// picture once, on paper of each page's size and orientation. False when nothing was written
// in full (no pages, the device failed, or `beforePage` stopped it).
bool writePdf(const PageStore& store, QIODevice& device, const PdfOptions& options);
bool writePdf(const PageStore& store, const QString& fileName, const QString& title = {}, int dpi = 300);

// A character grid per page (12 columns and 8 lines per inch): each text run stays on its line
// and near its column. Pages are separated by form feeds.
QString exportText(const PageStore& store);
bool writeText(const PageStore& store, const QString& fileName);

// The files the user asks for: written in full or not at all (an existing file stays as it
// was); platform::Error naming the file and the reason on failure. The PDF is PDF/A-1b.
void savePdfFile(const PageStore& store, const QString& fileName, const QString& title);
void saveTextFile(const PageStore& store, const QString& fileName);

} // namespace report
