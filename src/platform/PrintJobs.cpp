#include "platform/PrintJobs.h"

#include "platform/Error.h"
#include "platform/SharedLibrary.h"

#include <QFile>
#include <QStringList>
#include <cups/cups.h>
#include <memory>

namespace platform {
namespace {

// The print service's client library is opened on the first job, not with the program: it
// brings a long chain of network and security libraries that start-up does not need.
struct CupsApi {
    decltype(&::cupsAddOption) cupsAddOption = nullptr;
    decltype(&::cupsCancelJob2) cupsCancelJob2 = nullptr;
    decltype(&::cupsCopyDestInfo) cupsCopyDestInfo = nullptr;
    decltype(&::cupsCreateJob) cupsCreateJob = nullptr;
    decltype(&::cupsEncryption) cupsEncryption = nullptr;
    decltype(&::cupsFindDestSupported) cupsFindDestSupported = nullptr;
    decltype(&::cupsFinishDocument) cupsFinishDocument = nullptr;
    decltype(&::cupsFreeDestInfo) cupsFreeDestInfo = nullptr;
    decltype(&::cupsFreeDests) cupsFreeDests = nullptr;
    decltype(&::cupsFreeOptions) cupsFreeOptions = nullptr;
    decltype(&::cupsGetNamedDest) cupsGetNamedDest = nullptr;
    decltype(&::cupsLastErrorString) cupsLastErrorString = nullptr;
    decltype(&::cupsServer) cupsServer = nullptr;
    decltype(&::cupsStartDocument) cupsStartDocument = nullptr;
    decltype(&::cupsWriteRequestData) cupsWriteRequestData = nullptr;
    decltype(&::httpClose) httpClose = nullptr;
    decltype(&::httpConnect2) httpConnect2 = nullptr;
    decltype(&::ippContainsString) ippContainsString = nullptr;
    decltype(&::ippPort) ippPort = nullptr;
    decltype(&::pwgMediaForPWG) pwgMediaForPWG = nullptr;
    decltype(&::pwgMediaForPPD) pwgMediaForPPD = nullptr;
    decltype(&::pwgMediaForLegacy) pwgMediaForLegacy = nullptr;
};

const CupsApi& cups() {
    static const CupsApi api = [] {
        CupsApi api;
        auto resolve = [](auto& function, const char* name) {
            resolveSymbol(function, "libcups.so.2", name, QStringLiteral("Cannot print"));
        };
        resolve(api.cupsAddOption, "cupsAddOption");
        resolve(api.cupsCancelJob2, "cupsCancelJob2");
        resolve(api.cupsCopyDestInfo, "cupsCopyDestInfo");
        resolve(api.cupsCreateJob, "cupsCreateJob");
        resolve(api.cupsEncryption, "cupsEncryption");
        resolve(api.cupsFindDestSupported, "cupsFindDestSupported");
        resolve(api.cupsFinishDocument, "cupsFinishDocument");
        resolve(api.cupsFreeDestInfo, "cupsFreeDestInfo");
        resolve(api.cupsFreeDests, "cupsFreeDests");
        resolve(api.cupsFreeOptions, "cupsFreeOptions");
        resolve(api.cupsGetNamedDest, "cupsGetNamedDest");
        resolve(api.cupsLastErrorString, "cupsLastErrorString");
        resolve(api.cupsServer, "cupsServer");
        resolve(api.cupsStartDocument, "cupsStartDocument");
        resolve(api.cupsWriteRequestData, "cupsWriteRequestData");
        resolve(api.httpClose, "httpClose");
        resolve(api.httpConnect2, "httpConnect2");
        resolve(api.ippContainsString, "ippContainsString");
        resolve(api.ippPort, "ippPort");
        resolve(api.pwgMediaForPWG, "pwgMediaForPWG");
        resolve(api.pwgMediaForPPD, "pwgMediaForPPD");
        resolve(api.pwgMediaForLegacy, "pwgMediaForLegacy");
        return api;
    }();
    return api;
}

QString lastCupsError() {
    return QString::fromUtf8(cups().cupsLastErrorString());
}

[[noreturn]] void fail(const PrintJob& job, const QString& reason) {
    throw Error(QStringLiteral("Cannot print to \"%1\": %2").arg(job.printer, reason));
}

// The PWG name of a paper size given by PWG, PPD or legacy name; null when none fits.
const pwg_media_t* mediaFor(const QString& paperSize) {
    const QByteArray name = paperSize.toUtf8();
    if (name.isEmpty())
        return nullptr;
    if (const pwg_media_t* m = cups().pwgMediaForPWG(name.constData()))
        return m;
    if (const pwg_media_t* m = cups().pwgMediaForPPD(name.constData()))
        return m;
    return cups().pwgMediaForLegacy(name.constData());
}

// The media-source keywords for a device-mode paper-source code, in the order tried.
QStringList mediaSourceCandidates(int paperSource) {
    switch (paperSource) {
    case 1:
        return {"top"};
    case 2:
        return {"bottom"};
    case 3:
        return {"middle"};
    case 4:
        return {"manual", "by-pass-tray"};
    case 5:
        return {"envelope"};
    case 6:
        return {"env-manual", "envelope", "manual"};
    case 7:
        return {"auto"};
    case 8:
        return {"tractor"};
    case 9:
        return {"small-format"};
    case 10:
        return {"large-format"};
    case 11:
        return {"large-capacity"};
    case 14:
        return {"main"};
    default:
        return {};
    }
}

struct Options {
    int count = 0;
    cups_option_t* list = nullptr;
    ~Options() { cups().cupsFreeOptions(count, list); }
    void set(const char* name, const QByteArray& value) {
        count = cups().cupsAddOption(name, value.constData(), count, &list);
    }
};

class CupsSpooler : public PrintSpooler {
public:
    void submit(const PrintJob& job) override {
        QFile file(job.file);
        if (!file.open(QIODevice::ReadOnly))
            fail(job, QStringLiteral("cannot read %1: %2").arg(job.file, file.errorString()));

        // A connection of our own: the scheduler CUPS_SERVER names now, and a down scheduler
        // reported as such rather than as an unknown printer.
        std::unique_ptr<http_t, void (*)(http_t*)> http(
            cups().httpConnect2(cups().cupsServer(), cups().ippPort(), nullptr, AF_UNSPEC,
                                cups().cupsEncryption(), 1, 30000, nullptr),
            cups().httpClose);
        if (!http)
            fail(job, QStringLiteral("the print service (%1) does not answer: %2")
                          .arg(QString::fromLocal8Bit(cups().cupsServer()), lastCupsError()));

        const QByteArray printer = job.printer.toUtf8();
        std::unique_ptr<cups_dest_t, void (*)(cups_dest_t*)> dest(
            cups().cupsGetNamedDest(http.get(), printer.constData(), nullptr),
            [](cups_dest_t* d) { cups().cupsFreeDests(1, d); });
        if (!dest)
            fail(job, lastCupsError());

        Options options;
        addJobOptions(job, http.get(), dest.get(), options);

        const QByteArray title = job.title.toUtf8();
        const char* name = title.isEmpty() ? nullptr : title.constData();
        const int id = cups().cupsCreateJob(http.get(), dest->name, name, options.count, options.list);
        if (id <= 0)
            fail(job, lastCupsError());

        if (cups().cupsStartDocument(http.get(), dest->name, id, name, CUPS_FORMAT_PDF, 1) !=
            HTTP_STATUS_CONTINUE)
            abandon(job, http.get(), dest->name, id);
        char buffer[65536];
        qint64 n;
        while ((n = file.read(buffer, sizeof buffer)) > 0) {
            if (cups().cupsWriteRequestData(http.get(), buffer, size_t(n)) != HTTP_STATUS_CONTINUE) {
                cups().cupsFinishDocument(http.get(), dest->name);
                abandon(job, http.get(), dest->name, id);
            }
        }
        if (n < 0) {
            const QString reason = QStringLiteral("cannot read %1: %2").arg(job.file, file.errorString());
            cups().cupsFinishDocument(http.get(), dest->name);
            cups().cupsCancelJob2(http.get(), dest->name, id, 0);
            fail(job, reason);
        }
        if (cups().cupsFinishDocument(http.get(), dest->name) > IPP_STATUS_OK_CONFLICTING)
            abandon(job, http.get(), dest->name, id);
    }

private:
    // A job whose document did not arrive whole must not print half of it.
    [[noreturn]] static void abandon(const PrintJob& job, http_t* http, const char* printer, int id) {
        const QString reason = lastCupsError();
        cups().cupsCancelJob2(http, printer, id, 0);
        fail(job, reason);
    }

    static void addJobOptions(const PrintJob& job, http_t* http, cups_dest_t* dest, Options& options) {
        options.set("copies", QByteArray::number(qMax(1, job.copies)));
        // A landscape page goes on the sheet turned, at full size. The spooler's filters would
        // turn it unasked, but the job says so for printers that go by the job's orientation.
        if (job.landscape)
            options.set("orientation-requested", "4");

        const pwg_media_t* media = mediaFor(job.paperSize);
        const QByteArray mediaName = media ? QByteArray(media->pwg) : job.paperSize.toUtf8();
        const QByteArray source = supportedSource(job.paperSource, http, dest);
        if (source.isEmpty()) {
            if (!mediaName.isEmpty())
                options.set("media", mediaName);
            return;
        }
        // The tray travels in media-col, the only place the spooler reads it from. media-col
        // takes the place of media, so the size goes in there too; a size name without known
        // dimensions stays in media, which the spooler reads beside media-col.
        QByteArray col = "{media-source=" + source;
        if (media)
            col += " media-size={x-dimension=" + QByteArray::number(media->width) +
                   " y-dimension=" + QByteArray::number(media->length) + '}';
        col += '}';
        options.set("media-col", col);
        if (!media && !mediaName.isEmpty())
            options.set("media", mediaName); // an unknown size name, passed on as given
    }

    static QByteArray supportedSource(int paperSource, http_t* http, cups_dest_t* dest) {
        const QStringList candidates = mediaSourceCandidates(paperSource);
        if (candidates.isEmpty())
            return {};
        cups_dinfo_t* info = cups().cupsCopyDestInfo(http, dest);
        if (!info)
            return {};
        QByteArray found;
        if (ipp_attribute_t* supported = cups().cupsFindDestSupported(http, dest, info, "media-source")) {
            for (const QString& keyword : candidates) {
                const QByteArray k = keyword.toLatin1();
                if (cups().ippContainsString(supported, k.constData())) {
                    found = k;
                    break;
                }
            }
        }
        cups().cupsFreeDestInfo(info);
        return found;
    }
};

PrintSpooler* installed = nullptr;

} // namespace

void setPrintSpooler(PrintSpooler* spooler) {
    installed = spooler;
}

void submitPrintJob(const PrintJob& job) {
    static CupsSpooler cups;
    (installed ? *installed : static_cast<PrintSpooler&>(cups)).submit(job);
}

} // namespace platform
