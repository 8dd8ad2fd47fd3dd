#include "app/ui/ProgramEntry.h"

int main(int argc, char** argv) {
    return zq::RunProgram(argc, argv);
}
