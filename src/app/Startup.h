#pragma once
// Start-up: the seven windows, each created once in a fixed order, and the event loop.
#include <QStringList>
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

// Creates the seven windows in order, the main window first and the six others hidden.
// `created`, if given, receives each window's name as it is created.
std::unique_ptr<Windows> createWindows(QStringList* created = nullptr);

// The whole program: returns 0 in every case.
int runProgram(int argc, char** argv);

} // namespace ledgora
