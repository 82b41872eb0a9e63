#include "platform/Programs.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <optional>

namespace platform {
namespace {

class DetachedStarter : public ProgramStarter {
public:
    void start(const QString& commandLine) override {
        for (const QStringList& command : commandsFor(commandLine))
            if (QProcess::startDetached(command.first(), command.mid(1)))
                return;
    }
};

ProgramStarter* installed = nullptr;

// The calculators' desktop entries, each with the desktop it belongs to.
struct Calculator {
    const char* desktop; // as XDG_CURRENT_DESKTOP names it
    const char* id;
};
constexpr Calculator calculators[] = {
    {"GNOME", "org.gnome.Calculator.desktop"},
    {"GNOME", "gnome-calculator.desktop"},
    {"KDE", "org.kde.kcalc.desktop"},
    {"KDE", "kcalc.desktop"},
    {"MATE", "mate-calc.desktop"},
    {"XFCE", "galculator.desktop"},
    {"", "qalculate-gtk.desktop"},
};

// A program named on an Exec or TryExec line, as an absolute path; empty when it is missing.
QString resolveProgram(const QString& program) {
    if (program.contains(u'/')) {
        const QFileInfo file(program);
        return file.isAbsolute() && file.isFile() && file.isExecutable() ? file.absoluteFilePath()
                                                                         : QString();
    }
    return QStandardPaths::findExecutable(program);
}

// The escapes of a desktop entry's string values: \s \n \t \r \\.
QString unescapeValue(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != u'\\' || i + 1 == value.size()) {
            out += c;
            continue;
        }
        switch (value[++i].unicode()) {
        case 's':
            out += u' ';
            break;
        case 'n':
            out += u'\n';
            break;
        case 't':
            out += u'\t';
            break;
        case 'r':
            out += u'\r';
            break;
        case '\\':
            out += u'\\';
            break;
        default:
            out += u'\\';
            out += value[i];
        }
    }
    return out;
}

// Splits an Exec value into arguments: blanks separate them, double quotes enclose one, and
// inside quotes a backslash takes the next " ` $ or \ literally. nullopt for an unclosed quote.
std::optional<QStringList> splitExec(const QString& exec) {
    QStringList args;
    QString current;
    bool inArgument = false, quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == u'"') {
                quoted = false;
            } else if (c == u'\\' && i + 1 < exec.size() && QStringView(u"\"`$\\").contains(exec[i + 1])) {
                current += exec[++i];
            } else {
                current += c;
            }
        } else if (c == u' ' || c == u'\t') {
            if (inArgument)
                args << current;
            current.clear();
            inArgument = false;
        } else {
            inArgument = true;
            if (c == u'"')
                quoted = true;
            else
                current += c;
        }
    }
    if (quoted)
        return std::nullopt;
    if (inArgument)
        args << current;
    return args;
}

} // namespace

void setProgramStarter(ProgramStarter* s) {
    installed = s;
}

QStringList candidatesFor(const QString& commandLine) {
    const QString name = commandLine.trimmed().toLower();
    if (name == u"notepad.exe")
        return {"gnome-text-editor", "gedit",      "kwrite", "kate", "mousepad", "pluma", "xed",
                "leafpad",           "featherpad", "xedit"};
    if (name == u"calc.exe")
        return {"gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk", "xcalc"};
    return {};
}

QStringList desktopEntriesFor(const QString& commandLine) {
    const QString name = commandLine.trimmed().toLower();
    if (name == u"notepad.exe") {
        const QString editor = defaultApplicationFor(QStringLiteral("text/plain"));
        return editor.isEmpty() ? QStringList() : QStringList{editor};
    }
    if (name != u"calc.exe")
        return {};
    // The running desktop's own calculator first, then the others in their usual order.
    const QStringList running = qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':', Qt::SkipEmptyParts);
    QStringList own, others;
    for (const Calculator& c : calculators)
        (running.contains(QLatin1String(c.desktop), Qt::CaseInsensitive) ? own : others)
            << QLatin1String(c.id);
    return own + others;
}

QString defaultApplicationFor(const QString& mimeType) {
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return {};
    QProcess query;
    query.setProcessChannelMode(QProcess::SeparateChannels);
    query.setStandardInputFile(QProcess::nullDevice());
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!query.waitForFinished(5000)) {
        query.kill();
        query.waitForFinished(1000);
        return {};
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return {};
    const QString answer = QString::fromLocal8Bit(query.readAllStandardOutput()).section(u'\n', 0, 0);
    // A list of entries names the first one on the system first.
    return answer.section(u';', 0, 0).trimmed();
}

QString findDesktopEntry(const QString& id) {
    if (id.isEmpty() || id.contains(u'/'))
        return {};
    // The id is the path below "applications" with each '/' written as '-'.
    QStringList paths{id};
    QString path = id;
    for (qsizetype dash = path.indexOf(u'-'); dash >= 0; dash = path.indexOf(u'-', dash + 1)) {
        path[dash] = u'/';
        paths << path;
    }
    for (const QString& dir : QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation))
        for (const QString& relative : paths) {
            const QString file = dir + u'/' + relative;
            if (QFileInfo(file).isFile())
                return file;
        }
    return {};
}

QStringList desktopEntryCommand(const QString& desktopFile) {
    QFile file(desktopFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString content = QString::fromUtf8(file.readAll());

    // The keys of the "Desktop Entry" group; the first of a key holds.
    QHash<QString, QString> keys;
    bool inEntry = false;
    for (QStringView line : QStringView(content).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            inEntry = line == u"[Desktop Entry]";
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inEntry || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed().toString();
        if (!keys.contains(key))
            keys.insert(key, line.mid(equals + 1).trimmed().toString());
    }

    const auto flag = [&](const char* key) { return keys.value(QLatin1String(key)) == u"true"; };
    if (keys.value(QStringLiteral("Type")) != u"Application" || flag("Hidden"))
        return {};
    // A terminal program would need a terminal emulator around it; the toolbar starts none.
    if (flag("Terminal"))
        return {};
    if (const QString tryExec = unescapeValue(keys.value(QStringLiteral("TryExec")));
        !tryExec.isEmpty() && resolveProgram(tryExec).isEmpty())
        return {};

    const std::optional<QStringList> split = splitExec(unescapeValue(keys.value(QStringLiteral("Exec"))));
    if (!split)
        return {};
    const QString icon = unescapeValue(keys.value(QStringLiteral("Icon")));
    QStringList command;
    for (const QString& arg : *split) {
        if (arg == u"%i") {
            if (!icon.isEmpty())
                command << QStringLiteral("--icon") << icon;
            continue;
        }
        // Opened without files: the file and URL codes, and the deprecated ones, stand for nothing.
        QString expanded;
        bool hadCode = false;
        for (qsizetype i = 0; i < arg.size(); ++i) {
            if (arg[i] != u'%' || i + 1 == arg.size()) {
                expanded += arg[i];
                continue;
            }
            const QChar code = arg[++i];
            if (code == u'%') {
                expanded += u'%';
                continue;
            }
            hadCode = true;
            if (code == u'c')
                expanded += unescapeValue(keys.value(QStringLiteral("Name")));
            else if (code == u'k')
                expanded += QFileInfo(desktopFile).absoluteFilePath();
        }
        if (hadCode && expanded.isEmpty())
            continue;
        command << expanded;
    }
    if (command.isEmpty())
        return {};
    command[0] = resolveProgram(command[0]);
    if (command[0].isEmpty())
        return {};
    return command;
}

std::vector<QStringList> commandsFor(const QString& commandLine) {
    std::vector<QStringList> commands;
    const auto add = [&](const QStringList& command) {
        if (!command.isEmpty() && std::find(commands.begin(), commands.end(), command) == commands.end())
            commands.push_back(command);
    };
    for (const QString& id : desktopEntriesFor(commandLine))
        if (const QString entry = findDesktopEntry(id); !entry.isEmpty())
            add(desktopEntryCommand(entry));
    for (const QString& program : candidatesFor(commandLine))
        if (const QString path = QStandardPaths::findExecutable(program); !path.isEmpty())
            add({path});
    return commands;
}

void startProgram(const QString& commandLine) {
    static DetachedStarter detached;
    (installed ? *installed : static_cast<ProgramStarter&>(detached)).start(commandLine);
}

} // namespace platform
