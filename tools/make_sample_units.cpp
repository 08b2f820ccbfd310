// Writes a sample unit file of made-up units: make-sample-units PATH
#include "tools/UnitFixture.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PATH\n", argv[0]);
        return 2;
    }
    if (!fixture::WriteBytes(argv[1], fixture::MakeSampleUnitFile())) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
