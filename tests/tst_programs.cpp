// Which program the toolbar's Notepad and Calculator start: the desktop's own choice from its
// desktop entries, then the usual programs on PATH. Every desktop folder is a fixture in a
// temporary directory, and the programs are small scripts.
#include "platform/Programs.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

using Files = QMap<QString, QString>; // path below the fixture root -> content

namespace {

// The variables the lookup reads; each test sets them to the fixture and puts them back.
const char* const environment[] = {"PATH",
                                   "XDG_DATA_HOME",
                                   "XDG_DATA_DIRS",
                                   "XDG_CONFIG_HOME",
                                   "XDG_CONFIG_DIRS",
                                   "XDG_CURRENT_DESKTOP",
                                   "XDG_MENU_PREFIX",
                                   "DESKTOP_SESSION",
                                   "KDE_FULL_SESSION",
                                   "GNOME_DESKTOP_SESSION_ID",
                                   "MATE_DESKTOP_SESSION_ID"};

QString application(const QString& exec, const QString& more = {}) {
    return "[Desktop Entry]\nType=Application\nName=Fixture\nExec=" + exec + "\n" + more;
}

} // namespace

class ProgramsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void desktopEntryCommand_data();
    void desktopEntryCommand();
    void desktopEntriesAreFoundUserFirstAndInSubfolders();
    void commandsFor_data();
    void commandsFor();
    void realStarterRunsTheDesktopsChoiceDetached();

private:
    QString path(const QString& relative) const { return dir_->filePath(relative); }
    QString expand(QString text) const { return text.replace("@root", dir_->path()); }
    void write(const QString& relative, const QString& content);
    void program(const QString& name, const QString& body = {});

    std::optional<QTemporaryDir> dir_;
    QList<std::pair<const char*, std::optional<QByteArray>>> saved_;
};

void ProgramsTest::init() {
    dir_.emplace();
    QVERIFY(dir_->isValid());
    for (const char* name : {"bin", "data/applications", "sysdata/applications", "config", "sysconfig"})
        QVERIFY(QDir(dir_->path()).mkpath(name));
    saved_.clear();
    for (const char* name : environment) {
        saved_.push_back(
            {name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt});
        qunsetenv(name);
    }
    // The fixture's programs first; the shell tools xdg-mime needs after them.
    qputenv("PATH", QFile::encodeName(path("bin")) + ":/usr/bin:/bin");
    qputenv("XDG_DATA_HOME", QFile::encodeName(path("data")));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(path("sysdata")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(path("config")));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(path("sysconfig")));
    qputenv("XDG_CURRENT_DESKTOP", "X-Generic");
}

void ProgramsTest::cleanup() {
    for (const auto& [name, value] : saved_)
        value ? qputenv(name, *value) : qunsetenv(name);
    dir_.reset();
}

void ProgramsTest::write(const QString& relative, const QString& content) {
    QVERIFY(QDir(dir_->path()).mkpath(QFileInfo(relative).path()));
    QFile file(path(relative));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(expand(content).toUtf8());
}

void ProgramsTest::program(const QString& name, const QString& body) {
    write("bin/" + name, "#!/bin/sh\n" + body);
    QVERIFY(
        QFile::setPermissions(path("bin/" + name), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

void ProgramsTest::desktopEntryCommand_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("command"); // "@root" stands for the fixture's folder

    QTest::newRow("file and URL codes stand for nothing")
        << application("fixture-editor --new-window %U %f %F %u %d %D %n %N %v %m")
        << QStringList{"@root/bin/fixture-editor", "--new-window"};
    QTest::newRow("%% is a percent sign") << application("fixture-editor --zoom=100%% 5%%x")
                                          << QStringList{"@root/bin/fixture-editor", "--zoom=100%", "5%x"};
    QTest::newRow("%i the icon, %c the name, %k the entry")
        << "[Desktop Entry]\nType=Application\nName=Edytor tekstu\nIcon=accessories-text-editor\n"
           "Exec=fixture-editor %i --title=%c --from %k\n"
        << QStringList{"@root/bin/fixture-editor", "--icon", "accessories-text-editor",
                       "--title=Edytor tekstu",    "--from", "@root/data/applications/entry.desktop"};
    QTest::newRow("%i without an icon is nothing")
        << application("fixture-editor %i -x") << QStringList{"@root/bin/fixture-editor", "-x"};
    QTest::newRow("quoted arguments and their escapes")
        << application(R"("fixture editor" "two words" "say \\"hi\\"" "back\\\\slash" "$\\$" "")")
        << QStringList{"@root/bin/fixture editor", "two words", "say \"hi\"", "back\\slash", "$$", ""};
    QTest::newRow("\\s is a blank before the line is split")
        << application("fixture-editor a\\sb") << QStringList{"@root/bin/fixture-editor", "a", "b"};
    QTest::newRow("absolute program")
        << application("@root/bin/fixture-editor") << QStringList{"@root/bin/fixture-editor"};
    QTest::newRow("blanks around =, comments, other groups")
        << "# a comment\n[Desktop Action new-window]\nExec=fixture-calculator\n[Desktop Entry]\n"
           "Type = Application\n  Exec =  fixture-editor   -n  \nExec=fixture-calculator\n"
           "[Desktop Action other]\nExec=fixture-calculator\n"
        << QStringList{"@root/bin/fixture-editor", "-n"};
    QTest::newRow("TryExec found") << application("fixture-editor", "TryExec=fixture-calculator\n")
                                   << QStringList{"@root/bin/fixture-editor"};

    QTest::newRow("hidden: none") << application("fixture-editor", "Hidden=true\n") << QStringList{};
    QTest::newRow("needs a terminal: none")
        << application("fixture-editor", "Terminal=true\n") << QStringList{};
    QTest::newRow("a link: none") << "[Desktop Entry]\nType=Link\nURL=https://ledgora.example/\n"
                                  << QStringList{};
    QTest::newRow("program missing: none") << application("no-such-editor %F") << QStringList{};
    QTest::newRow("absolute program missing: none")
        << application("@root/bin/no-such-editor") << QStringList{};
    QTest::newRow("TryExec missing: none")
        << application("fixture-editor", "TryExec=no-such-editor\n") << QStringList{};
    QTest::newRow("unclosed quote: none") << application("\"fixture editor") << QStringList{};
    QTest::newRow("no Exec: none") << "[Desktop Entry]\nType=Application\nName=Fixture\n" << QStringList{};
    QTest::newRow("Exec outside the entry group: none")
        << "[Desktop Entry]\nType=Application\n[Desktop Action x]\nExec=fixture-editor\n"
        << QStringList{};
}

void ProgramsTest::desktopEntryCommand() {
    QFETCH(QString, entry);
    QFETCH(QStringList, command);
    program("fixture-editor");
    program("fixture editor");
    program("fixture-calculator");
    write("data/applications/entry.desktop", entry);
    for (QString& arg : command)
        arg = expand(arg);
    QCOMPARE(platform::desktopEntryCommand(path("data/applications/entry.desktop")), command);
}

void ProgramsTest::desktopEntriesAreFoundUserFirstAndInSubfolders() {
    write("data/applications/fixture.desktop", application("user"));
    write("sysdata/applications/fixture.desktop", application("system"));
    write("sysdata/applications/only-system.desktop", application("system"));
    write("sysdata/applications/kde/kwrite.desktop", application("kwrite"));
    QCOMPARE(platform::findDesktopEntry("fixture.desktop"), path("data/applications/fixture.desktop"));
    QCOMPARE(platform::findDesktopEntry("only-system.desktop"),
             path("sysdata/applications/only-system.desktop"));
    QCOMPARE(platform::findDesktopEntry("kde-kwrite.desktop"),
             path("sysdata/applications/kde/kwrite.desktop"));
    QCOMPARE(platform::findDesktopEntry("missing.desktop"), QString());
    QCOMPARE(platform::findDesktopEntry("../applications/fixture.desktop"), QString());
}

void ProgramsTest::commandsFor_data() {
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QString>("desktop"); // XDG_CURRENT_DESKTOP
    QTest::addColumn<Files>("files");
    QTest::addColumn<QStringList>("programs"); // scripts in the fixture's bin
    QTest::addColumn<QList<QStringList>>("commands");

    const QString editorEntry = application("fixture-editor --new-window %U");
    QTest::newRow("notepad: the user's default for text/plain, then the usual editors")
        << "notepad.exe"
        << "X-Generic"
        << Files{{"config/mimeapps.list",
                  "[Added Associations]\ntext/plain=other.desktop\n"
                  "[Default Applications]\ntext/plain=fixture-editor.desktop;other.desktop\n"},
                 {"data/applications/fixture-editor.desktop", editorEntry}}
        << QStringList{"fixture-editor", "gnome-text-editor"}
        << QList<QStringList>{{"@root/bin/fixture-editor", "--new-window"}, {"@root/bin/gnome-text-editor"}};
    QTest::newRow("notepad: the system's default, its entry in a system folder")
        << "NOTEPAD.EXE"
        << "X-Generic"
        << Files{{"sysconfig/mimeapps.list", "[Default Applications]\ntext/plain=fixture-editor.desktop\n"},
                 {"sysdata/applications/fixture-editor.desktop", editorEntry}}
        << QStringList{"fixture-editor"} << QList<QStringList>{{"@root/bin/fixture-editor", "--new-window"}};
    QTest::newRow("notepad: a default that needs a terminal is passed over")
        << "notepad.exe"
        << "X-Generic"
        << Files{{"config/mimeapps.list", "[Default Applications]\ntext/plain=fixture-vi.desktop\n"},
                 {"data/applications/fixture-vi.desktop", application("fixture-vi %F", "Terminal=true\n")}}
        << QStringList{"fixture-vi", "gedit"} << QList<QStringList>{{"@root/bin/gedit"}};
    QTest::newRow("notepad: no default, the usual editors in their order")
        << "notepad.exe"
        << "X-Generic" << Files{} << QStringList{"xedit", "kwrite", "gedit"}
        << QList<QStringList>{{"@root/bin/gedit"}, {"@root/bin/kwrite"}, {"@root/bin/xedit"}};

    const Files calculators{
        {"data/applications/org.gnome.Calculator.desktop", application("fixture-gnome-calc")},
        {"sysdata/applications/org.kde.kcalc.desktop", application("fixture-kcalc -caption %c")},
        {"sysdata/applications/mate-calc.desktop", application("fixture-mate-calc")}};
    const QStringList calculatorPrograms{"fixture-gnome-calc", "fixture-kcalc", "fixture-mate-calc",
                                         "gnome-calculator"};
    QTest::newRow("calculator: in KDE its own first")
        << "calc.exe"
        << "KDE" << calculators << calculatorPrograms
        << QList<QStringList>{{"@root/bin/fixture-kcalc", "-caption", "Fixture"},
                              {"@root/bin/fixture-gnome-calc"},
                              {"@root/bin/fixture-mate-calc"},
                              {"@root/bin/gnome-calculator"}};
    QTest::newRow("calculator: in MATE its own first")
        << "calc.exe"
        << "ubuntu:MATE" << calculators << calculatorPrograms
        << QList<QStringList>{{"@root/bin/fixture-mate-calc"},
                              {"@root/bin/fixture-gnome-calc"},
                              {"@root/bin/fixture-kcalc", "-caption", "Fixture"},
                              {"@root/bin/gnome-calculator"}};
    QTest::newRow("calculator: no desktop named, the usual order")
        << "calc.exe"
        << "" << calculators << calculatorPrograms
        << QList<QStringList>{{"@root/bin/fixture-gnome-calc"},
                              {"@root/bin/fixture-kcalc", "-caption", "Fixture"},
                              {"@root/bin/fixture-mate-calc"},
                              {"@root/bin/gnome-calculator"}};
    QTest::newRow("calculator: the user's hidden entry hides the system's")
        << "calc.exe"
        << "GNOME"
        << Files{{"data/applications/org.gnome.Calculator.desktop",
                  application("fixture-gnome-calc", "Hidden=true\n")},
                 {"sysdata/applications/org.gnome.Calculator.desktop", application("fixture-gnome-calc")}}
        << QStringList{"fixture-gnome-calc", "xcalc"} << QList<QStringList>{{"@root/bin/xcalc"}};
    QTest::newRow("calculator: the entry and the usual program the same, once")
        << "calc.exe"
        << "GNOME"
        << Files{{"sysdata/applications/org.gnome.Calculator.desktop", application("gnome-calculator")}}
        << QStringList{"gnome-calculator"} << QList<QStringList>{{"@root/bin/gnome-calculator"}};
    QTest::newRow("a program of no known kind: none")
        << "winword.exe"
        << "X-Generic"
        << Files{{"config/mimeapps.list", "[Default Applications]\ntext/plain=fixture-editor.desktop\n"},
                 {"data/applications/fixture-editor.desktop", editorEntry}}
        << QStringList{"fixture-editor"} << QList<QStringList>{};
}

void ProgramsTest::commandsFor() {
    QFETCH(QString, commandLine);
    QFETCH(QString, desktop);
    QFETCH(Files, files);
    QFETCH(QStringList, programs);
    QFETCH(QList<QStringList>, commands);
    QVERIFY2(!QStandardPaths::findExecutable("xdg-mime").isEmpty(), "xdg-mime (xdg-utils) is needed");
    qputenv("XDG_CURRENT_DESKTOP", desktop.toUtf8());
    for (auto file = files.cbegin(); file != files.cend(); ++file)
        write(file.key(), file.value());
    for (const QString& name : programs)
        program(name);

    std::vector<QStringList> expected;
    for (QStringList command : commands) {
        for (QString& arg : command)
            arg = expand(arg);
        expected.push_back(command);
    }
    QCOMPARE(platform::commandsFor(commandLine), expected);
}

void ProgramsTest::realStarterRunsTheDesktopsChoiceDetached() {
    QVERIFY(!QStandardPaths::findExecutable("xdg-mime").isEmpty());
    write("config/mimeapps.list", "[Default Applications]\ntext/plain=fixture-editor.desktop\n");
    write("data/applications/fixture-editor.desktop", application("fixture-editor --new-window %F"));
    program("fixture-editor", "printf '%s\\n' \"$0\" \"$@\" > '@root/started.tmp'\n"
                              "mv '@root/started.tmp' '@root/started'\n");
    program("gedit", "echo gedit > '@root/started'\n");

    platform::startProgram("notepad.exe");

    const auto started = [this] {
        QFile file(path("started"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    QTRY_COMPARE_WITH_TIMEOUT(started(), expand("@root/bin/fixture-editor\n--new-window\n"), 10000);
}

QTEST_MAIN(ProgramsTest)
#include "tst_programs.moc"
