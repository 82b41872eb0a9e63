// Preloaded (LD_PRELOAD) into the program unpacked from the Debian package, which carries no test
// hooks of its own. It takes the place of the sound effect's setSource, which the program reaches
// through the dynamic linker only for a sound file it has found, and writes each such file to
// standard output. Once the main window is up it clicks another tab of the notebook, as a user
// would, and ends the program.
#include <QApplication>
#include <QSoundEffect>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <cstdio>

void QSoundEffect::setSource(const QUrl& url) {
    std::printf("sound %s\n", qPrintable(url.toLocalFile()));
    std::fflush(stdout);
}

namespace {

QTabBar* notebookTabs() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        QWidget* notebook =
            window->isVisible() ? window->findChild<QWidget*>(QStringLiteral("PageControl1")) : nullptr;
        if (QTabBar* tabs = notebook ? notebook->findChild<QTabBar*>() : nullptr)
            return tabs;
    }
    return nullptr;
}

void clickAnotherTab() {
    QTabBar* tabs = notebookTabs();
    int other = -1;
    for (int i = 0; tabs && i < tabs->count() && other < 0; ++i)
        if (i != tabs->currentIndex() && tabs->isTabVisible(i))
            other = i;
    if (other < 0) {
        std::printf("no notebook\n");
    } else {
        std::printf("click %d\n", other);
        std::fflush(stdout);
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(other).center());
        std::printf("page %d\n", tabs->currentIndex());
    }
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

// Runs as the application object is made; the click waits for its event loop, which starts
// once the main window is shown.
void start() {
    std::printf("started\n");
    std::fflush(stdout);
    QTimer::singleShot(0, qApp, clickAnotherTab);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(start)
