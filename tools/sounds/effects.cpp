#include <cmath>

#include "synth.h"

namespace xantu::tools {

// "その他": a two-note chime, high then lower, like a small bell.
std::vector<double> makeChime(int rate) {
    std::vector<double> out(static_cast<std::size_t>(0.95 * rate), 0.0);
    const std::vector<Partial> bell = {{1.0, 1.0, 0.35}, {2.0, 0.30, 0.18}, {3.0, 0.12, 0.10}, {4.16, 0.08, 0.06}};
    addStruck(out, rate, 0, midiToHz(88), bell, 0.003, 0.9, 1.0);             // E6
    addStruck(out, rate, 0.16 * rate, midiToHz(84), bell, 0.003, 0.78, 1.0);  // C6
    fadeEdges(out, 8, rate / 50);
    normalise(out, 0.6);
    return out;
}

// "禁止": a short low buzz, two slightly detuned saw tones for a rough edge.
std::vector<double> makeBuzz(int rate) {
    const int n = static_cast<int>(0.28 * rate);
    std::vector<double> out(static_cast<std::size_t>(n), 0.0);
    const double freqs[2] = {110.0, 116.5};
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / rate;
        double v = 0;
        for (double f : freqs)
            for (int h = 1; h * f < 3500.0; ++h) v += std::sin(2 * kPi * h * f * t) / h;
        out[static_cast<std::size_t>(i)] = v;
    }
    fadeEdges(out, rate / 125, rate / 25);
    normalise(out, 0.55);
    return out;
}

// "駒打音": a wooden piece set down on a wooden board — a sharp knock made
// of a very short noise burst and a few quickly damped wood resonances.
std::vector<double> makeClick(int rate) {
    const int n = static_cast<int>(0.14 * rate);
    std::vector<double> out(static_cast<std::size_t>(n), 0.0);
    const std::vector<Partial> wood = {
        {1.0, 1.0, 0.022}, {2.13, 0.75, 0.014}, {3.71, 0.55, 0.008}, {5.52, 0.35, 0.005}};
    addStruck(out, rate, 0, 820.0, wood, 0.0004, 0.14, 1.0);
    const std::vector<Partial> body = {{1.0, 1.0, 0.018}};
    addStruck(out, rate, 0, 190.0, body, 0.001, 0.12, 0.55);
    Noise noise(20010501u);
    double previous = 0;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double white = noise.next();
        const double bright = white - previous;  // tilts the burst towards the highs
        previous = white;
        out[static_cast<std::size_t>(i)] += 0.9 * std::exp(-t / 0.0012) * bright;
    }
    fadeEdges(out, 0, rate / 100);
    normalise(out, 0.85);
    return out;
}

// "秒読み": the tick of a clock's last seconds — short, high and dry, so that
// it is heard over the music without startling, a second apart.
std::vector<double> makeTick(int rate) {
    std::vector<double> out(static_cast<std::size_t>(0.06 * rate), 0.0);
    const std::vector<Partial> tick = {{1.0, 1.0, 0.012}, {2.76, 0.45, 0.006}, {5.4, 0.2, 0.003}};
    addStruck(out, rate, 0, 1760.0, tick, 0.0005, 0.05, 1.0);
    fadeEdges(out, 0, rate / 200);
    normalise(out, 0.5);
    return out;
}

}  // namespace xantu::tools
