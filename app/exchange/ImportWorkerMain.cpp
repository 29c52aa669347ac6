// zelk-import IN --scale S [--z-up] [--memory-mb N]: the reader the editor starts for
// every import (see ModelReader).
#include "ModelReader.h"

int main(int argc, char** argv) {
    return ModelReader::WorkerMain(argc, argv);
}
