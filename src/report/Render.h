#pragma once
// Replaying composed pages: on any QPainter device, into PNG and PDF files, and as plain text.
#include "report/PageStore.h"

#include <QImage>
#include <QPointF>
#include <QString>

class QPainter;

namespace report {

// Draws `page` on the painter's device, whose resolution is dpiX × dpiY. `offset` (tenths) is
// taken off every position, so that a printer's unprintable margins keep positions measured
// from the paper's edge: device position = round((tenths − offset) × dpi / 254).
void renderPage(QPainter& painter, const StoredPage& page, double dpiX, double dpiY, QPointF offset = {});

// The whole page on white at `dpi`.
QImage renderImage(const StoredPage& page, double dpi);
bool writePng(const StoredPage& page, const QString& fileName, double dpi);

// Every page, as vector drawing with the fonts embedded, on paper of the page's size and
// orientation. `dpi` is the resolution of the drawing grid (pen widths are its pixels).
bool writePdf(const PageStore& store, const QString& fileName, const QString& title = {}, int dpi = 300);

// A character grid per page (12 columns and 8 lines per inch): each text run stays on its line
// and near its column. Pages are separated by form feeds.
QString exportText(const PageStore& store);
bool writeText(const PageStore& store, const QString& fileName);

} // namespace report
