#include "synth.h"

#include <algorithm>
#include <cmath>

namespace xantu::tools {

double Noise::next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>(state_ >> 8) / 8388608.0 - 1.0;
}

double midiToHz(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

void addStruck(std::vector<double>& out, int rate, double start, double freq, const std::vector<Partial>& partials,
               double attack, double length, double gain, bool wrap) {
    const long n = static_cast<long>(length * rate);
    const long first = std::lround(start);
    const long size = static_cast<long>(out.size());
    for (long i = 0; i < n; ++i) {
        long at = first + i;
        if (at >= size) {
            if (!wrap) break;
            at %= size;
        }
        const double t = static_cast<double>(i) / rate;
        const double rise = t < attack ? t / attack : 1.0;
        // A gentle fade over the last 10 % so that a cut tone ends at zero.
        const double tail = std::min(1.0, (length - t) / (0.1 * length));
        double v = 0;
        for (const Partial& p : partials) {
            const double f = freq * p.ratio;
            if (f >= rate / 2.0) continue;
            v += p.amplitude * std::exp(-t / p.decay) * std::sin(2 * kPi * f * t);
        }
        out[static_cast<std::size_t>(at)] += gain * rise * tail * v;
    }
}

void normalise(std::vector<double>& samples, double peak) {
    double top = 0;
    for (double s : samples) top = std::max(top, std::fabs(s));
    if (top == 0) return;
    const double k = peak / top;
    for (double& s : samples) s *= k;
}

void fadeEdges(std::vector<double>& samples, int fadeIn, int fadeOut) {
    const int n = static_cast<int>(samples.size());
    for (int i = 0; i < fadeIn && i < n; ++i) samples[i] *= 0.5 - 0.5 * std::cos(kPi * i / fadeIn);
    for (int i = 0; i < fadeOut && i < n; ++i) samples[n - 1 - i] *= 0.5 - 0.5 * std::cos(kPi * i / fadeOut);
}

}  // namespace xantu::tools
