// Little- and big-endian byte packing for the two file formats the generator writes.
#pragma once

#include <cstdint>
#include <string>

namespace soundgen {

inline void PutLE(std::string& out, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
}

inline void PutBE(std::string& out, std::uint32_t v, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
}

// Writes the whole string to path or throws std::runtime_error.
void WriteFileBytes(const std::string& path, const std::string& bytes);

}  // namespace soundgen
