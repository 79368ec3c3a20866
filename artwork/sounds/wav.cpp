#include "wav.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>

#include "bytes.h"

namespace soundgen {

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) throw std::runtime_error("cannot write " + path);
}

void WriteWav(const std::filesystem::path& path, const Samples& s) {
  constexpr std::uint32_t kBytesPerSample = 2;
  const auto data_bytes = static_cast<std::uint32_t>(s.size() * kBytesPerSample);
  std::string out;
  out.reserve(44 + data_bytes);
  out += "RIFF";
  PutLE(out, 36 + data_bytes, 4);
  out += "WAVEfmt ";
  PutLE(out, 16, 4);  // size of the format chunk
  PutLE(out, 1, 2);   // PCM
  PutLE(out, 1, 2);   // mono
  PutLE(out, kSampleRate, 4);
  PutLE(out, kSampleRate * kBytesPerSample, 4);  // bytes per second
  PutLE(out, kBytesPerSample, 2);                // block alignment
  PutLE(out, 16, 2);                             // bits per sample
  out += "data";
  PutLE(out, data_bytes, 4);
  for (float x : s) {
    const long v = std::lround(std::clamp(static_cast<double>(x), -1.0, 1.0) * 32767.0);
    PutLE(out, static_cast<std::uint32_t>(static_cast<std::int16_t>(v)) & 0xffffu, 2);
  }
  WriteFileBytes(path.string(), out);
}

}  // namespace soundgen
