#pragma once
// A private print scheduler for tests: a cupsd of our own with its own folders and socket,
// and queues that write every job as a PDF into that folder, through the Generic PDF driver
// (a raw queue would drop the jobs). The test process and the programs it starts (lpadmin,
// lpstat…) reach it through CUPS_SERVER, set for as long as the scheduler lives.
//
//     testing::CupsScheduler cups;
//     if (!cups.start())
//         QSKIP(qPrintable(cups.whyNot()));
//     QVERIFY2(cups.addQueue("Office"), qPrintable(cups.whyNot()));
//     … print to "Office" …
//     QVERIFY(cups.waitUntilIdle());
//     QVERIFY(cups.outputText("Office").contains("Faktura"));
#include <QByteArray>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QList>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cups/cups.h>
#include <memory>
#include <unistd.h>

namespace testing {

class CupsScheduler {
public:
    static constexpr const char* kGenericPdfModel = "lsb/usr/cupsfilters/Generic-PDF_Printer-PDF.ppd";
    static constexpr const char* kGenericPdfFile = "/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd";

    CupsScheduler() = default;
    CupsScheduler(const CupsScheduler&) = delete;
    CupsScheduler& operator=(const CupsScheduler&) = delete;
    ~CupsScheduler() { stop(); }

    // Starts the scheduler and waits until it answers. False when it cannot run here; whyNot()
    // says why, for QSKIP.
    bool start(int timeoutMs = 15000) {
        if (geteuid() != 0)
            return no("the private print scheduler needs root (it runs its filters as the user lp)");
        const QString cupsd = findProgram("cupsd");
        if (cupsd.isEmpty())
            return no("cupsd is not installed (Debian package cups)");
        if (findProgram("lpadmin").isEmpty())
            return no("lpadmin is not installed (Debian package cups-client)");
        if (!QFile::exists(kGenericPdfFile))
            return no("the Generic PDF driver is not installed (Debian package cups-filters)");
        if (!dir_.isValid())
            return no("cannot make a folder for the scheduler: " + dir_.errorString());

        const QString d = dir_.path();
        // The scheduler's filters run as lp and must reach the spool folder inside ours.
        QFile::setPermissions(d, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                     QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        for (const char* sub : {"spool", "spool/tmp", "cache", "state", "log"})
            QDir(d).mkpath(sub);
        const QString conf = d + "/cupsd.conf";
        const QString files = d + "/cups-files.conf";
        if (!write(conf, "Listen " + socket() +
                             "\n"
                             "WebInterface No\n"
                             "Browsing No\n"
                             "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                             "<Policy default>\n  <Limit All>\n    Order deny,allow\n    Allow all\n"
                             "  </Limit>\n</Policy>\n") ||
            !write(files, "RequestRoot " + d + "/spool\nTempDir " + d + "/spool/tmp\nCacheDir " + d +
                              "/cache\nStateDir " + d + "/state\nAccessLog " + d +
                              "/log/access_log\nErrorLog " + d + "/log/error_log\nPageLog " + d +
                              "/log/page_log\nFileDevice Yes\nUser lp\nGroup lp\nSystemGroup lpadmin\n"))
            return no("cannot write the scheduler's configuration in " + d);

        previousServer_ = qgetenv("CUPS_SERVER");
        hadServer_ = qEnvironmentVariableIsSet("CUPS_SERVER");
        qputenv("CUPS_SERVER", socket().toLocal8Bit());
        cupsSetServer(nullptr); // forget a server and connection this thread may have used already

        process_ = std::make_unique<QProcess>();
        process_->setProcessChannelMode(QProcess::MergedChannels);
        process_->setStandardOutputFile(d + "/log/cupsd.out");
        process_->start(cupsd, {"-f", "-c", conf, "-s", files});
        if (!process_->waitForStarted(timeoutMs))
            return no("cupsd did not start: " + process_->errorString());

        const QDeadlineTimer deadline(timeoutMs);
        for (;;) {
            if (process_->state() != QProcess::Running)
                return no("cupsd stopped at once: " + startLog());
            if (QFile::exists(socket()) && answers())
                return true;
            if (deadline.hasExpired())
                return no(QString("cupsd did not answer within %1 ms: ").arg(timeoutMs) + startLog());
            QThread::msleep(20);
        }
    }

    const QString& whyNot() const { return whyNot_; }
    QString folder() const { return dir_.path(); }
    QString socket() const { return dir_.path() + "/cups.sock"; }

    // Adds an enabled queue that writes each job, wrapped in PJL, to outputFile(name). `ppdFile`
    // replaces the Generic PDF driver by a PPD of the test's own (e.g. one with paper trays).
    bool addQueue(const QString& name, const QString& ppdFile = {}) {
        QStringList args{"-p", name, "-E", "-v", "file://" + outputFile(name)};
        args << (ppdFile.isEmpty() ? QStringList{"-m", kGenericPdfModel} : QStringList{"-P", ppdFile});
        QString output;
        if (run("lpadmin", args, &output) != 0)
            return no("lpadmin could not add " + name + ": " + output);
        return true;
    }

    // Makes `queue` the scheduler's default printer.
    bool setDefault(const QString& queue) {
        QString output;
        if (run("lpadmin", {"-d", queue}, &output) != 0)
            return no("lpadmin could not make " + queue + " the default: " + output);
        return true;
    }

    QString outputFile(const QString& queue) const { return dir_.path() + "/" + queue + ".pdf"; }

    // Runs a CUPS command-line program (lpadmin, lpstat, cupsreject…) against this scheduler;
    // returns its exit code (-1: it did not run) and, if asked, what it wrote.
    int run(const QString& program, const QStringList& args, QString* output = nullptr,
            int timeoutMs = 15000) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        const QString path = findProgram(program);
        p.start(path.isEmpty() ? program : path, args);
        const bool done = p.waitForFinished(timeoutMs);
        if (output)
            *output = QString::fromLocal8Bit(p.readAll()) + (done ? QString() : p.errorString());
        return done && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

    // Waits until no job is pending, held or processing.
    bool waitUntilIdle(int timeoutMs = 30000) {
        const QDeadlineTimer deadline(timeoutMs);
        for (;;) {
            cups_job_t* jobs = nullptr;
            const int active = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ACTIVE);
            cupsFreeJobs(std::max(active, 0), jobs);
            if (active == 0)
                return true;
            if (deadline.hasExpired())
                return false;
            QThread::msleep(20);
        }
    }

    // Every job ever submitted to `queue` (all queues when empty), completed or not, oldest first.
    QList<int> jobIds(const QString& queue = {}) {
        const QByteArray name = queue.toUtf8();
        cups_job_t* jobs = nullptr;
        const int n = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.isEmpty() ? nullptr : name.constData(), 0,
                                   CUPS_WHICHJOBS_ALL);
        QList<int> ids;
        for (int i = 0; i < n; ++i)
            ids << jobs[i].id;
        cupsFreeJobs(std::max(n, 0), jobs);
        std::sort(ids.begin(), ids.end());
        return ids;
    }

    // A job attribute as text ("2", "completed", "{media-source=bottom …}"); empty when the job
    // does not have it.
    QString jobAttribute(int id, const char* attribute) {
        ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
        const QByteArray uri = "ipp://localhost/jobs/" + QByteArray::number(id);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.constData());
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
        ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
        QString text;
        if (ipp_attribute_t* a = response ? ippFindAttribute(response, attribute, IPP_TAG_ZERO) : nullptr) {
            char buffer[4096];
            ippAttributeString(a, buffer, sizeof buffer);
            text = QString::fromUtf8(buffer);
        }
        ippDelete(response);
        return text;
    }

    // What the queue's driver wrote for its last job: the PJL lines before the PDF, and the PDF.
    QByteArray outputPjl(const QString& queue) const {
        const QByteArray all = readAll(outputFile(queue));
        const qsizetype start = all.indexOf("%PDF-");
        return start < 0 ? all : all.left(start);
    }
    QByteArray outputPdf(const QString& queue) const {
        const QByteArray all = readAll(outputFile(queue));
        const qsizetype start = all.indexOf("%PDF-");
        const qsizetype end = all.lastIndexOf("%%EOF");
        if (start < 0 || end < start)
            return {};
        return all.mid(start, end + 5 - start) + '\n';
    }

    // pdftotext and pdfinfo of the queue's last PDF; `extra` goes before the file (e.g. "-bbox").
    QString outputText(const QString& queue, const QStringList& extra = {}) {
        return onOutput(queue, "pdftotext", extra, {"-"});
    }
    QString outputInfo(const QString& queue) { return onOutput(queue, "pdfinfo", {}, {}); }

    QString log() const { return QString::fromLocal8Bit(readAll(dir_.path() + "/log/error_log")); }

    // Stops the scheduler (SIGTERM to its process, then SIGKILL) and gives CUPS_SERVER back.
    void stop() {
        if (process_) {
            if (process_->state() != QProcess::NotRunning) {
                process_->terminate();
                if (!process_->waitForFinished(10000)) {
                    process_->kill();
                    process_->waitForFinished(5000);
                }
            }
            process_.reset();
            if (hadServer_)
                qputenv("CUPS_SERVER", previousServer_);
            else
                qunsetenv("CUPS_SERVER");
            cupsSetServer(nullptr);
        }
    }

private:
    bool no(const QString& why) {
        whyNot_ = why;
        return false;
    }

    static QString findProgram(const QString& name) {
        QString path = QStandardPaths::findExecutable(name);
        if (path.isEmpty())
            path = QStandardPaths::findExecutable(name, {"/usr/sbin", "/usr/local/sbin", "/sbin"});
        return path;
    }

    static bool write(const QString& path, const QString& text) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text.toUtf8()) >= 0;
    }

    static QByteArray readAll(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Asks the scheduler for its printers; any answer means it is up.
    static bool answers() {
        ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, ippNewRequest(IPP_OP_CUPS_GET_PRINTERS), "/");
        ippDelete(response);
        return response != nullptr;
    }

    QString startLog() const {
        return QString::fromLocal8Bit(readAll(dir_.path() + "/log/cupsd.out")) + log();
    }

    QString onOutput(const QString& queue, const QString& program, const QStringList& extra,
                     const QStringList& after) {
        const QString pdf = dir_.path() + "/" + queue + "-read.pdf";
        QFile f(pdf);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(outputPdf(queue)) < 0)
            return {};
        f.close();
        QProcess p;
        p.start(program, extra + QStringList{pdf} + after);
        if (!p.waitForFinished(15000))
            return {};
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    QTemporaryDir dir_{"/tmp/ledgora-cups-XXXXXX"};
    std::unique_ptr<QProcess> process_;
    QString whyNot_;
    QByteArray previousServer_;
    bool hadServer_ = false;
};

} // namespace testing
