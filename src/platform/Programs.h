#pragma once
// Starting another program by the name the program asks for ("notepad.exe", "calc.exe").
#include <QString>
#include <QStringList>
#include <vector>

namespace platform {

class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    virtual void start(const QString& commandLine) = 0;
};

void setProgramStarter(ProgramStarter* starter);

// Starts the desktop's counterpart of `commandLine` without waiting for it; a program that
// cannot be found or started is passed over in silence.
void startProgram(const QString& commandLine);

// The commands tried, in order, for a command line, each as program (an absolute path) and
// arguments: first the desktop's own choice (the default application for text/plain for
// "notepad.exe", the usual calculators' desktop entries for "calc.exe"), then the programs
// of candidatesFor() found on PATH. Empty when nothing is found.
std::vector<QStringList> commandsFor(const QString& commandLine);

// The desktop programs tried on PATH, in order, for a command line; empty when none is known.
QStringList candidatesFor(const QString& commandLine);

// The desktop entry ids tried, in order, before the programs on PATH.
QStringList desktopEntriesFor(const QString& commandLine);

// The desktop's default application for a MIME type, as `xdg-mime query default` names it
// (a desktop entry id such as "org.gnome.TextEditor.desktop"); empty when none is named or
// xdg-mime is missing.
QString defaultApplicationFor(const QString& mimeType);

// The file of a desktop entry id in the "applications" folders of XDG_DATA_HOME and
// XDG_DATA_DIRS, the user's first; "kde-kwrite.desktop" may also stand as kde/kwrite.desktop.
// Empty when there is none.
QString findDesktopEntry(const QString& id);

// What a desktop entry runs when it is opened without files: its Exec line split into
// program and arguments, field codes expanded or dropped, the program as an absolute path.
// Empty when the file is no application entry, is hidden, needs a terminal, or its program
// (or TryExec) cannot be found.
QStringList desktopEntryCommand(const QString& desktopFile);

} // namespace platform
