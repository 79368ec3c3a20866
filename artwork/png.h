// A small PNG writer for the desktop icons: 8-bit RGBA, the image data in stored (uncompressed)
// deflate blocks, which every PNG reader takes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace art {

// rgba: width * height words 0xAARRGGBB, top row first. Throws std::runtime_error on failure.
void SavePng(const std::filesystem::path& file, int width, int height, const std::vector<std::uint32_t>& rgba);

}  // namespace art
