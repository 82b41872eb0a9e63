#pragma once
// The report engine: the page model and its composition, the page store, and the renderers.
//
// A template builds a TReport (page, bands, elements) once. Each preview, print or export then:
//
//   report::PageStore store;                  // the destination of one run
//   store.pageFinished = [&](int n) { ... };  // e.g. show page n, or send it to the printer
//   if (!report.Compose(store))               // false: a run of this report is going on
//       return;
//   if (store.abandoned()) ...                // the cancel mark was set during the run
//
// and replays the pages it needs: renderPage() on a QPainter (screen at its dpi; a printer at
// its resolution with its unprintable margins as the offset), writePdf(), writePng(),
// exportText(). The page store holds plain values only (positions in tenths of a millimetre,
// texts, fonts by name and size, colours, pictures), so it can be copied and saved.
#include "report/Model.h"
#include "report/PageStore.h"
#include "report/Render.h"
