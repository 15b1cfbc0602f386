// makedata DIR: writes the game's whole DATA folder into DIR, the same bytes on every run.
#include <cstdio>
#include <exception>

#include "makedata.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: makedata DATA-folder\n");
        return 2;
    }
    const std::filesystem::path dataDir = argv[1];
    const char* share = "DATA";
    try {
        std::filesystem::create_directories(dataDir);
        for (const makedata::NamedGenerator& generator : makedata::Generators()) {
            share = generator.name;
            generator.generate(dataDir);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "makedata: %s: %s\n", share, error.what());
        return 1;
    }
    return 0;
}
