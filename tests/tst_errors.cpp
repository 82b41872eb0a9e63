// Errors escaping a handler: the stop-icon box with the application's title, the full-stop
// rule, and the program going on.
#include "Support.h"
#include "platform/Error.h"

#include <QPushButton>

namespace {

// A window whose reaction to an event fails the way handlers do.
class Failing : public QWidget {
public:
    QString message;
    bool silent = false;
    int presses = 0;

    void press() {
        QEvent event(QEvent::User);
        QCoreApplication::sendEvent(this, &event);
    }

protected:
    bool event(QEvent* e) override {
        if (e->type() != QEvent::User)
            return QWidget::event(e);
        ++presses;
        if (silent)
            throw platform::SilentAbort();
        throw platform::Error(message);
    }
};

} // namespace

class ErrorsTest : public QObject {
    Q_OBJECT
private slots:
    void fullStopRule_data();
    void fullStopRule();
    void errorFromAnEventIsShownAndTheLoopGoesOn();
    void errorFromAGuardedHandlerIsShown();
    void silentAbortShowsNothing();
};

void ErrorsTest::fullStopRule_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << "Can only modify an image if it contains a bitmap"
                            << "Can only modify an image if it contains a bitmap.";
    QTest::newRow("parenthesis") << "Unknown picture file extension (.xyz)"
                                 << "Unknown picture file extension (.xyz)";
    QTest::newRow("full stop") << "Done."
                               << "Done.";
    QTest::newRow("exclamation") << "Stop!"
                                 << "Stop!";
    QTest::newRow("question mark is above '.'") << "Why?"
                                                << "Why?.";
    QTest::newRow("digit") << "Error 42"
                           << "Error 42.";
    QTest::newRow("slash is above '.'") << "a/b/"
                                        << "a/b/.";
    QTest::newRow("comma is below '.'") << "a,"
                                        << "a,";
    QTest::newRow("blank") << "trailing "
                           << "trailing ";
    QTest::newRow("Polish letter") << "Błąd zapisu pliku ź"
                                   << "Błąd zapisu pliku ź.";
    QTest::newRow("empty") << ""
                           << "";
}

void ErrorsTest::fullStopRule() {
    QFETCH(QString, message);
    QFETCH(QString, shown);
    testing::MessageRecorder boxes;
    Failing w;
    w.message = message;
    w.press();
    QCOMPARE(boxes.boxes.size(), size_t(1));
    QCOMPARE(boxes.boxes[0].text, shown);
    QCOMPARE(boxes.boxes[0].title, QStringLiteral("ledgora"));
    QCOMPARE(boxes.boxes[0].icon, platform::BoxIcon::Stop);
}

void ErrorsTest::errorFromAnEventIsShownAndTheLoopGoesOn() {
    testing::MessageRecorder boxes;
    Failing w;
    w.message = QStringLiteral("first");
    w.show();
    w.press();
    w.message = QStringLiteral("second");
    w.press();
    QCOMPARE(w.presses, 2);
    QCOMPARE(boxes.boxes.size(), size_t(2));
    QCOMPARE(boxes.boxes[1].text, QStringLiteral("second."));
}

void ErrorsTest::errorFromAGuardedHandlerIsShown() {
    testing::MessageRecorder boxes;
    QPushButton button;
    int after = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] {
        ledgora::guarded([] { throw std::runtime_error("Cannot open file x.bmp"); });
        ++after; // the connection goes on after the handler failed
    });
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(after, 1);
    QCOMPARE(boxes.boxes.size(), size_t(1));
    QCOMPARE(boxes.boxes[0].text, QStringLiteral("Cannot open file x.bmp."));
}

void ErrorsTest::silentAbortShowsNothing() {
    testing::MessageRecorder boxes;
    Failing w;
    w.silent = true;
    w.press();
    QCOMPARE(w.presses, 1);
    QVERIFY(boxes.boxes.empty());
}

LEDGORA_TEST_MAIN(ErrorsTest)
#include "tst_errors.moc"
