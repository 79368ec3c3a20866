// Writes sound effects as RIFF/WAVE files: 16-bit PCM, mono, at the synthesiser's sample rate.
#pragma once

#include <filesystem>

#include "synth.h"

namespace soundgen {

// Writes s, clamped to full scale, to path. Throws std::runtime_error when the file cannot be written.
void WriteWav(const std::filesystem::path& path, const Samples& s);

}  // namespace soundgen
