#include "wav_writer.h"

#include <cmath>
#include <cstdint>
#include <fstream>

namespace xantu::tools {
namespace {

void put32(std::vector<char>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
}
void put16(std::vector<char>& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xff));
    out.push_back(static_cast<char>(v >> 8));
}
void putTag(std::vector<char>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

}  // namespace

bool writeWav(const std::string& path, const std::vector<double>& samples, int sampleRate) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<char> out;
    out.reserve(44 + dataBytes);
    putTag(out, "RIFF");
    put32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, static_cast<std::uint32_t>(sampleRate));
    put32(out, static_cast<std::uint32_t>(sampleRate * 2));
    put16(out, 2);
    put16(out, 16);
    putTag(out, "data");
    put32(out, dataBytes);
    for (double s : samples) {
        double v = std::lround(s * 32767.0);
        if (v > 32767) v = 32767;
        if (v < -32768) v = -32768;
        put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
    }
    std::ofstream f(path, std::ios::binary);
    f.write(out.data(), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(f);
}

}  // namespace xantu::tools
