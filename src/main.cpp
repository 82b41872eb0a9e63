#include "app/Startup.h"

int main(int argc, char** argv) {
    return ledgora::runProgram(argc, argv);
}
