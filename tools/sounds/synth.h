#pragma once
#include <cstdint>
#include <vector>

namespace xantu::tools {

inline constexpr double kPi = 3.14159265358979323846;

// A fixed-seed generator so that every run writes the same bytes.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}
    double next();  // uniform in [-1, 1)
private:
    std::uint32_t state_;
};

// One sinusoidal partial with an exponential decay.
struct Partial {
    double ratio;  // of the fundamental
    double amplitude;
    double decay;  // time constant in seconds
};

double midiToHz(int note);

// Adds a struck/plucked tone (sum of decaying partials with a short linear
// attack) into `out` starting at sample `start`. With `wrap`, samples beyond
// the end continue at the beginning (for seamless loops).
void addStruck(std::vector<double>& out, int rate, double start, double freq, const std::vector<Partial>& partials,
               double attack, double length, double gain, bool wrap = false);

// Scales the whole buffer so that its largest magnitude becomes `peak`.
void normalise(std::vector<double>& samples, double peak);

// Short raised-cosine fades at both ends.
void fadeEdges(std::vector<double>& samples, int fadeIn, int fadeOut);

std::vector<double> makeChime(int rate);
std::vector<double> makeBuzz(int rate);
std::vector<double> makeClick(int rate);
std::vector<double> makeTick(int rate);
std::vector<double> makeBgm(int rate);

}  // namespace xantu::tools
