#include "report/PageStore.h"

#include <algorithm>
#include <set>

namespace report {

void PageStore::clear() {
    for (const StoredPage& page : pages_)
        opsHint_ = std::max(opsHint_, page.ops.size());
    pages_.clear();
    pictures_.clear();
    lastFinished_ = 0;
    finished_ = false;
    abandoned_ = false;
}

void PageStore::setPages(std::vector<StoredPage> pages) {
    clear();
    pages_ = std::move(pages);
    lastFinished_ = pageCount();
    finished_ = true;
}

void PageStore::beginRun() {
    clear();
}

void PageStore::beginPage(double width, double length) {
    StoredPage page;
    page.width = width;
    page.length = length;
    page.ops.reserve(opsHint_); // a run again usually draws what the last one drew
    pages_.push_back(std::move(page));
}

void PageStore::add(DrawOp op) {
    if (op.kind == DrawOp::Picture && !op.image.isNull()) {
        // The transfer sheet draws one form picture five times, from as many copies of it.
        auto same = std::find(pictures_.begin(), pictures_.end(), op.image);
        if (same == pictures_.end())
            pictures_.push_back(op.image);
        else
            op.image = *same;
    }
    pages_.back().ops.push_back(std::move(op));
}

void PageStore::finishPage() {
    lastFinished_ = pageCount();
    if (pageFinished)
        pageFinished(lastFinished_);
}

void PageStore::endRun() {
    finished_ = true;
}

void PageStore::abandon() {
    // The page being drawn was never finished: it is not part of the document.
    if (pageCount() > lastFinished_)
        pages_.pop_back();
    abandoned_ = true;
}

size_t PageStore::approxBytes() const {
    size_t bytes = sizeof(*this) + pages_.capacity() * sizeof(StoredPage);
    std::set<qint64> images;
    for (const StoredPage& page : pages_) {
        bytes += page.ops.capacity() * sizeof(DrawOp);
        for (const DrawOp& op : page.ops) {
            bytes += size_t(op.text.size()) * sizeof(QChar); // font names are shared
            if (!op.image.isNull() && images.insert(op.image.cacheKey()).second)
                bytes += size_t(op.image.sizeInBytes());
        }
    }
    return bytes;
}

} // namespace report
