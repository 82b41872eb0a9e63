#pragma once
// Starting another program by the name the program asks for ("notepad.exe", "calc.exe").
#include <QString>
#include <QStringList>

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

// The desktop programs tried, in order, for a command line; empty when none is known.
QStringList candidatesFor(const QString& commandLine);

} // namespace platform
