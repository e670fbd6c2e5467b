#include <algorithm>
#include <cmath>

#include "synth.h"

namespace xantu::tools {
namespace {

// A calm melody in the yo scale (D E G A B), 12 bars of 4/4 at 100 beats a
// minute. Lengths are in eighths; every bar adds up to 8.
struct Note {
    int pitch;
    int eighths;
};
constexpr Note kMelody[] = {
    {69, 2}, {71, 2}, {74, 4},           // 1
    {76, 2}, {74, 2}, {71, 4},           // 2
    {69, 2}, {67, 2}, {69, 2}, {71, 2},  // 3
    {69, 8},                             // 4
    {74, 2}, {76, 2}, {79, 4},           // 5
    {81, 2}, {79, 2}, {76, 4},           // 6
    {74, 2}, {76, 2}, {74, 2}, {71, 2},  // 7
    {69, 8},                             // 8
    {71, 3}, {74, 1}, {76, 4},           // 9
    {74, 2}, {71, 2}, {69, 4},           // 10
    {67, 2}, {69, 2}, {71, 2}, {69, 2},  // 11
    {62, 8},                             // 12
};
// One low held note per bar.
constexpr int kBass[12] = {50, 43, 50, 45, 50, 52, 43, 45, 43, 50, 52, 50};

constexpr int kBars = 12;

}  // namespace

// The buffer is one exact period of a periodic signal: every tone that rings
// past the end is folded back onto the beginning, so the loop has no seam.
std::vector<double> makeBgm(int rate) {
    const long eighth = static_cast<long>(rate) * 3 / 10;  // 0.3 s, a whole number of samples
    const long bar = 8 * eighth;
    std::vector<double> dry(static_cast<std::size_t>(kBars * bar), 0.0);

    // A koto-like pluck: bright at first, the upper partials dying quickly.
    std::vector<Partial> pluck;
    for (int h = 1; h <= 8; ++h)
        pluck.push_back({static_cast<double>(h), 1.0 / std::pow(h, 1.3), 1.4 / (1.0 + 0.7 * (h - 1))});
    long at = 0;
    for (const Note& n : kMelody) {
        addStruck(dry, rate, static_cast<double>(at), midiToHz(n.pitch), pluck, 0.004, 3.0, 0.5, true);
        at += n.eighths * eighth;
    }

    // Soft held bass: a slow swell and release, overlapping the next bar.
    const std::size_t size = dry.size();
    for (int b = 0; b < kBars; ++b) {
        const double f = midiToHz(kBass[b]);
        const long length = bar + bar / 3;
        for (long i = 0; i < length; ++i) {
            const double t = static_cast<double>(i) / rate;
            const double total = static_cast<double>(length) / rate;
            const double swell = std::min(1.0, t / 0.6);
            const double release = std::min(1.0, (total - t) / 1.0);
            const double env = swell * release * swell * release;
            const double v =
                std::sin(2 * kPi * f * t) + 0.25 * std::sin(4 * kPi * f * t) + 0.12 * std::sin(3 * kPi * f * t);
            dry[static_cast<std::size_t>(b * bar + i) % size] += 0.22 * env * v;
        }
    }

    // Two echoes, folded round the loop like everything else.
    std::vector<double> out(size, 0.0);
    const std::size_t delay = static_cast<std::size_t>(2 * eighth + eighth / 2);
    for (std::size_t i = 0; i < size; ++i)
        out[i] = dry[i] + 0.30 * dry[(i + size - delay) % size] + 0.10 * dry[(i + 2 * size - 2 * delay) % size];
    normalise(out, 0.5);
    return out;
}

}  // namespace xantu::tools
