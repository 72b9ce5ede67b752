// Writes the benchmarks' game scene (a 1920 x 1080 JPEG of about 300 KB) to a file, for the
// scripts that fill a game folder with it:
//   vistelle_game_scene <output file>
#include <cstdio>

#include "game_scene.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vistelle_game_scene <output file>\n");
        return 2;
    }
    const std::string bytes = vis::bench::game_scene_jpeg();
    std::FILE* out = std::fopen(argv[1], "wb");
    if (out == nullptr) return 1;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return std::fclose(out) == 0 && written ? 0 : 1;
}
