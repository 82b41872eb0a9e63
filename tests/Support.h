#pragma once
// Shared test support: recorders for the platform stand-ins and a main() that makes the
// program's own application object.
#include "app/Application.h"
#include "app/DocumentRequests.h"
#include "platform/MessageBox.h"
#include "platform/PictureDialog.h"
#include "platform/Programs.h"
#include "platform/Sound.h"

#include <QStringList>
#include <QTest>
#include <functional>
#include <vector>

namespace testing {

struct SoundRecorder : platform::SoundSink {
    QStringList played;
    SoundRecorder() { platform::setSoundSink(this); }
    ~SoundRecorder() override { platform::setSoundSink(nullptr); }
    void play(const QString& path) override { played << path; }
};

struct MessageRecorder : platform::MessageSink {
    std::vector<platform::BoxRequest> boxes;
    MessageRecorder() { platform::setMessageSink(this); }
    ~MessageRecorder() override { platform::setMessageSink(nullptr); }
    void show(const platform::BoxRequest& request) override { boxes.push_back(request); }
};

struct ProgramRecorder : platform::ProgramStarter {
    QStringList started;
    ProgramRecorder() { platform::setProgramStarter(this); }
    ~ProgramRecorder() override { platform::setProgramStarter(nullptr); }
    void start(const QString& commandLine) override { started << commandLine; }
};

// Records the main window's preview and print requests: which report was asked for, and how.
// `during` runs inside each request, where the preview's own event loop would run; with
// `passThrough` the real preview or print follows.
struct DocumentRecorder : ledgora::DocumentRequests {
    enum class Operation { Preview, Print };
    struct Request {
        Operation operation;
        const report::TReport* report;
    };
    std::vector<Request> requests;
    std::function<void()> during;
    bool passThrough = false;
    DocumentRecorder() { ledgora::setDocumentRequests(this); }
    ~DocumentRecorder() override { ledgora::setDocumentRequests(nullptr); }
    void preview(report::TReport& report) override {
        requests.push_back({Operation::Preview, &report});
        if (during)
            during();
        if (passThrough)
            DocumentRequests::preview(report);
    }
    void print(report::TReport& report) override {
        requests.push_back({Operation::Print, &report});
        if (during)
            during();
        if (passThrough)
            DocumentRequests::print(report);
    }
};

// Answers the open-picture dialog with a path (empty: the user cancels).
struct PictureDialogStub : platform::PictureDialog {
    QString answer;
    QStringList filters;
    int runs = 0;
    PictureDialogStub() { platform::setPictureDialog(this); }
    ~PictureDialogStub() override { platform::setPictureDialog(nullptr); }
    QString run(const QStringList& nameFilters) override {
        ++runs;
        filters = nameFilters;
        return answer;
    }
};

} // namespace testing

#define LEDGORA_TEST_MAIN(TestClass)                                                                         \
    int main(int argc, char** argv) {                                                                        \
        ledgora::Application app(argv[0]);                                                                   \
        TestClass test;                                                                                      \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
