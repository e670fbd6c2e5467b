#pragma once
#include <string>
#include <vector>

namespace xantu::tools {

// Writes mono 16-bit PCM. Samples are in [-1, 1]; values beyond are clipped.
// Returns false when the file cannot be written.
bool writeWav(const std::string& path, const std::vector<double>& samples, int sampleRate);

}  // namespace xantu::tools
