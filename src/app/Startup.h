#pragma once
// Start-up: the seven windows, each created once in a fixed order, and the event loop.
#include <QString>
#include <functional>
#include <memory>

class TForm1;
class TFormRachunek;
class TFaktura_RR;
class TFormVat;
class TPoczta;
class TForm13;
class TForm5;

namespace ledgora {

// The program's windows, reached by instance name; they live for the whole run.
struct Windows {
    std::unique_ptr<TForm1> Form1;
    std::unique_ptr<TFormRachunek> FormRachunek;
    std::unique_ptr<TFaktura_RR> Faktura_RR;
    std::unique_ptr<TFormVat> FormVat;
    std::unique_ptr<TPoczta> Poczta;
    std::unique_ptr<TForm13> Form13;
    std::unique_ptr<TForm5> Form5;

    Windows();
    ~Windows(); // destroys the windows in the reverse order of their creation
};

// The windows of the running program (nullptr before start-up and after the end).
Windows* windows();

// Called with each window's name right after it is created (tests watch the order, or
// make a creation fail).
using CreationHook = std::function<void(const QString& name)>;

// Creates the seven windows in order, the main window first and the six others hidden.
std::unique_ptr<Windows> createWindows(const CreationHook& created = {});

// With the application object made: creates the windows, runs the event loop until the
// main window closes, destroys the windows. An error during start-up is shown in the
// error box. Returns 0 in every case.
int run(const CreationHook& created = {});

// The whole program, from main(): returns 0 in every case.
int runProgram(int argc, char** argv);

} // namespace ledgora
