// Writes the game's sounds into the folder given on the command line.
#include <cstdio>
#include <filesystem>
#include <string>

#include "synth.h"
#include "wav_writer.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sounds <output folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    using namespace xantu::tools;
    struct Item {
        const char* name;
        std::vector<double> samples;
        int rate;
    };
    const Item items[] = {
        {"その他.wav", makeChime(44100), 44100}, {"禁止.wav", makeBuzz(44100), 44100},
        {"駒打音.wav", makeClick(44100), 44100}, {"BGM.wav", makeBgm(22050), 22050},
        {"秒読み.wav", makeTick(44100), 44100},
    };
    for (const Item& item : items) {
        const std::string path = (folder / item.name).string();
        if (!writeWav(path, item.samples, item.rate)) {
            std::fprintf(stderr, "make_sounds: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
