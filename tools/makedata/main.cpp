// makedata DIR: writes the game's whole DATA folder into DIR, the same bytes on every run.
// makedata --icons DIR: writes the game's icons for the desktop into DIR.
#include <cstdio>
#include <cstring>
#include <exception>

#include "icons/icons.h"
#include "makedata.h"

int main(int argc, char** argv)
{
    const bool icons = argc == 3 && std::strcmp(argv[1], "--icons") == 0;
    if (argc != 2 && !icons) {
        std::fprintf(stderr, "usage: makedata DATA-folder | makedata --icons icon-folder\n");
        return 2;
    }
    const std::filesystem::path dir = argv[argc - 1];
    const char* share = icons ? "icons" : "DATA";
    try {
        if (icons) {
            makedata::WriteIcons(dir);
            return 0;
        }
        std::filesystem::create_directories(dir);
        for (const makedata::NamedGenerator& generator : makedata::Generators()) {
            share = generator.name;
            generator.generate(dir);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "makedata: %s: %s\n", share, error.what());
        return 1;
    }
    return 0;
}
