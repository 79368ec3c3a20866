// Windows bitmap files. The reader checks every size and offset against the file before it
// touches the pixel data, with 64-bit arithmetic so that no header value can overflow a check;
// see bmp.h for the rules it applies to what files leave open.
#include "gdi/bmp.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include "gdi/raster.h"

namespace gdi {
namespace {

constexpr std::size_t kFileHeaderSize = 14;  // BITMAPFILEHEADER
constexpr std::size_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER
constexpr std::size_t kV5HeaderSize = 124;
// Larger files cannot hold a bitmap the layer would accept (32 bits at kMaxBitmapPixels, plus
// generous room for headers and trailing bytes), so they are refused before being read.
constexpr std::uintmax_t kMaxFileBytes = static_cast<std::uintmax_t>(kMaxBitmapPixels) * 4 + (1u << 20);
// Written into biXPelsPerMeter and biYPelsPerMeter: 96 pixels per inch, the layer's resolution.
constexpr std::uint32_t kPelsPerMeter = 3780;

std::uint32_t U16(const std::uint8_t* p) {
  return p[0] | (p[1] << 8);
}
std::uint32_t U32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::int32_t I32(const std::uint8_t* p) {
  return static_cast<std::int32_t>(U32(p));
}

bool Fail(std::string* error, std::string message) {
  if (error) *error = std::move(message);
  return false;
}

std::string Hex(std::uint32_t v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%08X", v);
  return buf;
}

// Everything the decoder needs from the headers, all checked against the file.
struct Layout {
  BmpInfo info;
  std::size_t table_offset = 0;  // first colour-table entry
  std::size_t table_entry = 4;   // RGBQUAD, or RGBTRIPLE after a core header
  std::size_t pixel_offset = 0;  // bfOffBits
  std::uint64_t stride = 0;      // bytes per uncompressed row, padded to 32 bits
  std::uint32_t masks[3] = {};   // red, green, blue for 16 and 32 bits
};

bool CheckMasks(std::uint32_t* masks, int bits, std::string* error) {
  const std::uint32_t valid = bits == 16 ? 0xFFFFu : 0xFFFFFFFFu;
  for (int i = 0; i < 3; ++i) masks[i] &= valid;
  if ((masks[0] | masks[1] | masks[2]) == 0) return Fail(error, "the bit-field masks are all zero");
  for (int i = 0; i < 3; ++i) {
    if (masks[i] == 0) continue;
    const std::uint32_t run = masks[i] >> std::countr_zero(masks[i]);
    if ((run & (run + 1)) != 0)
      return Fail(error, "bit-field mask " + Hex(masks[i]) + " is not a contiguous run of bits");
  }
  if ((masks[0] & masks[1]) | (masks[0] & masks[2]) | (masks[1] & masks[2]))
    return Fail(error, "the bit-field masks overlap");
  return true;
}

bool ParseHeaders(const std::uint8_t* d, std::size_t size, Layout* out, std::string* error) {
  if (size < kFileHeaderSize + 4)
    return Fail(error, "the file is too short to be a bitmap (" + std::to_string(size) + " bytes)");
  if (d[0] != 'B' || d[1] != 'M') return Fail(error, "not a bitmap file (no \"BM\" signature)");
  const std::uint32_t off_bits = U32(d + 10);
  const std::uint32_t header_size = U32(d + 14);
  if (header_size < 12 || (header_size > 12 && header_size < 16))
    return Fail(error, "unknown bitmap header size " + std::to_string(header_size));
  if (header_size > size - kFileHeaderSize)
    return Fail(
        error, "the bitmap header (" + std::to_string(header_size) + " bytes) runs past the end of the file");

  Layout L;
  L.info.header_size = header_size;
  const std::uint8_t* h = d + kFileHeaderSize;
  std::int64_t width, height;
  std::uint32_t planes, bits, compression = BI_RGB, clr_used = 0;
  bool os2 = false;
  if (header_size == 12) {
    // BITMAPCOREHEADER: 16-bit unsigned sizes, always bottom-up, 3-byte colour entries.
    width = U16(h + 4);
    height = U16(h + 6);
    planes = U16(h + 8);
    bits = U16(h + 10);
    L.table_entry = 3;
  } else {
    // Every later header starts with the same fields; the OS/2 ones may stop early, and what
    // they leave out counts as zero.
    std::array<std::uint8_t, kV5HeaderSize> hb{};
    std::memcpy(hb.data(), h, std::min<std::size_t>(header_size, hb.size()));
    width = I32(&hb[4]);
    height = I32(&hb[8]);
    planes = U16(&hb[12]);
    bits = U16(&hb[14]);
    compression = U32(&hb[16]);
    clr_used = U32(&hb[32]);
    os2 = header_size < kInfoHeaderSize || header_size == 64;
    if (!os2 && header_size >= 52)
      for (int i = 0; i < 3; ++i) L.masks[i] = U32(&hb[40 + 4 * i]);
  }
  if (planes != 1)
    return Fail(error, "the bitmap has " + std::to_string(planes) + " colour planes (must be 1)");
  switch (bits) {
    case 1:
    case 2:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
      break;
    default:
      return Fail(error, "unsupported bit depth " + std::to_string(bits));
  }

  std::size_t table_offset = kFileHeaderSize + header_size;
  if (os2 && compression == 3) return Fail(error, "OS/2 Huffman-compressed bitmaps are not supported");
  if (os2 && compression == 4) return Fail(error, "OS/2 24-bit RLE bitmaps are not supported");
  switch (compression) {
    case BI_RGB:
      break;
    case BI_RLE8:
    case BI_RLE4: {
      const std::uint32_t need = compression == BI_RLE8 ? 8 : 4;
      if (bits != need)
        return Fail(error, std::string(compression == BI_RLE8 ? "RLE8" : "RLE4") + " compression needs " +
                               std::to_string(need) + " bits per pixel, not " + std::to_string(bits));
      break;
    }
    case BI_BITFIELDS:
    case BI_ALPHABITFIELDS: {
      if (bits != 16 && bits != 32)
        return Fail(error, "bit-field masks need 16 or 32 bits per pixel, not " + std::to_string(bits));
      if (header_size < 52) {
        // After a plain info header the masks follow it, where a colour table would be.
        const std::size_t n = compression == BI_ALPHABITFIELDS ? 16 : 12;
        if (n > size - table_offset) return Fail(error, "the bit-field masks run past the end of the file");
        for (int i = 0; i < 3; ++i) L.masks[i] = U32(d + table_offset + 4 * i);
        table_offset += n;
      }
      if (!CheckMasks(L.masks, static_cast<int>(bits), error)) return false;
      break;
    }
    case BI_JPEG:
      return Fail(error, "JPEG-compressed bitmaps are not supported");
    case BI_PNG:
      return Fail(error, "PNG-compressed bitmaps are not supported");
    default:
      return Fail(error, "unknown compression " + std::to_string(compression));
  }
  if (compression == BI_RGB && bits == 16) L.masks[0] = 0x7C00, L.masks[1] = 0x03E0, L.masks[2] = 0x001F;
  if (compression == BI_RGB && bits == 32) L.masks[0] = 0xFF0000, L.masks[1] = 0xFF00, L.masks[2] = 0xFF;

  if (width <= 0) return Fail(error, "bad width " + std::to_string(width));
  if (height == 0) return Fail(error, "bad height 0");
  L.info.top_down = height < 0;
  if (height < 0) height = -height;  // from 32 bits, so this cannot overflow 64
  if (width * height > kMaxBitmapPixels)
    return Fail(error, "the image is too large (" + std::to_string(width) + " x " + std::to_string(height) +
                           " pixels; the limit is " + std::to_string(kMaxBitmapPixels) + ")");

  if (off_bits < table_offset)
    return Fail(error, "the pixel data offset " + std::to_string(off_bits) + " points into the headers");
  if (off_bits > size)
    return Fail(error, "the pixel data offset " + std::to_string(off_bits) +
                           " is past the end of the file (" + std::to_string(size) + " bytes)");

  int palette = 0;
  if (bits <= 8) {
    const std::uint32_t full = 1u << bits;
    const std::uint32_t declared = clr_used == 0 || clr_used > full ? full : clr_used;
    const std::size_t room = (off_bits - table_offset) / L.table_entry;
    palette = static_cast<int>(std::min<std::size_t>(declared, room));
  }

  L.stride = ((static_cast<std::uint64_t>(width) * bits + 31) / 32) * 4;
  if (compression != BI_RLE8 && compression != BI_RLE4) {
    // The last row's padding is often left out by writers; its pixels are not.
    const std::uint64_t last_row = (static_cast<std::uint64_t>(width) * bits + 7) / 8;
    const std::uint64_t need = L.stride * static_cast<std::uint64_t>(height - 1) + last_row;
    if (need > size - off_bits)
      return Fail(error, "the pixel data is truncated (" + std::to_string(need) + " bytes needed at offset " +
                             std::to_string(off_bits) + ", " + std::to_string(size - off_bits) + " present)");
  }

  L.info.width = static_cast<int>(width);
  L.info.height = static_cast<int>(height);
  L.info.bit_count = static_cast<int>(bits);
  L.info.compression = compression;
  L.info.palette_size = palette;
  L.table_offset = table_offset;
  L.pixel_offset = off_bits;
  *out = L;
  return true;
}

// One colour channel of a 16- or 32-bit pixel: the field is shifted down, cut to its top 8 bits
// when wider, and scaled to 0..255 through a table (rounded for fields narrower than 8 bits).
struct Channel {
  explicit Channel(std::uint32_t mask) {
    if (mask == 0) return;  // the table stays zero: the channel reads as 0
    shift = static_cast<unsigned>(std::countr_zero(mask));
    unsigned width = static_cast<unsigned>(std::popcount(mask));
    if (width > 8) {
      shift += width - 8;
      width = 8;
    }
    field = (1u << width) - 1;
    for (std::uint32_t v = 0; v <= field; ++v)
      scale[v] = static_cast<std::uint8_t>((v * 255 + field / 2) / field);
  }
  std::uint32_t Get(std::uint32_t p) const { return scale[(p >> shift) & field]; }
  unsigned shift = 0;
  std::uint32_t field = 0;
  std::array<std::uint8_t, 256> scale{};
};

using ColourTable = std::array<std::uint32_t, 256>;

void DecodeIndexedRow(const std::uint8_t* src, std::uint32_t* dst, int width, int bits,
                      const ColourTable& lut) {
  switch (bits) {
    case 8:
      for (int x = 0; x < width; ++x) dst[x] = lut[src[x]];
      break;
    case 4:
      for (int x = 0; x < width; ++x) dst[x] = lut[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF];
      break;
    case 2:
      for (int x = 0; x < width; ++x) dst[x] = lut[(src[x >> 2] >> (6 - 2 * (x & 3))) & 0x3];
      break;
    default:  // 1
      for (int x = 0; x < width; ++x) dst[x] = lut[(src[x >> 3] >> (7 - (x & 7))) & 0x1];
      break;
  }
}

void DecodeUncompressed(const std::uint8_t* d, const Layout& L, const ColourTable& lut, Bitmap& bmp) {
  const int w = L.info.width, h = L.info.height, bits = L.info.bit_count;
  const bool plain32 = bits == 32 && L.masks[0] == 0xFF0000 && L.masks[1] == 0xFF00 && L.masks[2] == 0xFF;
  const Channel red(L.masks[0]), green(L.masks[1]), blue(L.masks[2]);
  for (int r = 0; r < h; ++r) {
    const std::uint8_t* src = d + L.pixel_offset + static_cast<std::size_t>(r) * L.stride;
    std::uint32_t* dst = bmp.Row(L.info.top_down ? r : h - 1 - r);
    if (bits <= 8) {
      DecodeIndexedRow(src, dst, w, bits, lut);
    } else if (bits == 24) {
      for (int x = 0; x < w; ++x, src += 3)
        dst[x] = src[0] | (src[1] << 8) | (static_cast<std::uint32_t>(src[2]) << 16);
    } else if (plain32) {
      for (int x = 0; x < w; ++x, src += 4) dst[x] = U32(src) & 0xFFFFFF;
    } else {
      for (int x = 0; x < w; ++x) {
        std::uint32_t p;
        if (bits == 16) {
          p = U16(src);
          src += 2;
        } else {
          p = U32(src);
          src += 4;
        }
        dst[x] = (red.Get(p) << 16) | (green.Get(p) << 8) | blue.Get(p);
      }
    }
  }
}

// BI_RLE8 and BI_RLE4. Pairs of bytes: a count and a value (a run of count pixels of one index,
// or for RLE4 of two alternating indices, high nibble first), or zero and an escape: 0 end of
// line, 1 end of bitmap, 2 a delta (right, then up rows), 3..255 that many literal pixels padded
// to a 16-bit boundary. Every pair consumes input, so decoding ends within the data; x never
// passes the width and rows past the last end decoding.
void DecodeRle(const std::uint8_t* p, std::size_t n, bool rle4, const Layout& L, const ColourTable& lut,
               Bitmap& bmp) {
  const int w = L.info.width, h = L.info.height;
  int x = 0, y = 0;  // y counts rows in file order, from the first row stored
  std::size_t i = 0;
  auto row = [&] { return bmp.Row(L.info.top_down ? y : h - 1 - y); };
  while (y < h && n - i >= 2) {
    const unsigned count = p[i], value = p[i + 1];
    i += 2;
    if (count > 0) {
      std::uint32_t* dst = row();
      const std::uint32_t a = lut[rle4 ? value >> 4 : value], b = lut[rle4 ? value & 0xF : value];
      for (unsigned k = 0; k < count && x < w; ++k) dst[x++] = (k & 1) ? b : a;
    } else if (value == 0) {
      x = 0;
      ++y;
    } else if (value == 1) {
      break;
    } else if (value == 2) {
      if (n - i < 2) break;
      x = std::min(x + p[i], w);
      y += p[i + 1];
      i += 2;
    } else {
      const std::size_t bytes = rle4 ? (value + 1) / 2 : value;
      const std::size_t avail = std::min(bytes, n - i);
      const unsigned pixels = static_cast<unsigned>(rle4 ? std::min<std::size_t>(value, avail * 2) : avail);
      std::uint32_t* dst = row();
      for (unsigned k = 0; k < pixels && x < w; ++k) {
        const unsigned index = rle4 ? (p[i + k / 2] >> ((k & 1) ? 0 : 4)) & 0xF : p[i + k];
        dst[x++] = lut[index];
      }
      i += std::min((bytes + 1) & ~std::size_t{1}, n - i);
    }
  }
}

// Maps pixel words to palette indices as GetNearestPaletteIndex does. Exact matches come first,
// from a hash table of the palette's colours (each holding its first index); other colours are
// searched for once and remembered in a direct-mapped cache, since pictures repeat their colours
// endlessly. Runs of one colour skip both.
class NearestIndex {
 public:
  explicit NearestIndex(const std::vector<PALETTEENTRY>& palette) : palette_(palette) {
    exact_keys_.fill(kEmpty);
    cache_keys_.fill(kEmpty);
    for (std::size_t i = palette.size(); i-- > 0;) {  // backwards, so the first index is kept
      const PALETTEENTRY& e = palette[i];
      const std::uint32_t pixel = (e.peRed << 16) | (e.peGreen << 8) | e.peBlue;
      std::size_t slot = Hash(pixel, kExactBits);
      while (exact_keys_[slot] != kEmpty && exact_keys_[slot] != pixel) slot = (slot + 1) & (kExactSlots - 1);
      exact_keys_[slot] = pixel;
      exact_values_[slot] = static_cast<std::uint8_t>(i);
    }
  }
  std::uint8_t Find(std::uint32_t pixel) {
    pixel &= 0xFFFFFF;
    if (pixel == last_pixel_) return last_index_;
    last_pixel_ = pixel;
    // The table is at most half full, so every probe sequence ends at an empty slot.
    for (std::size_t slot = Hash(pixel, kExactBits); exact_keys_[slot] != kEmpty;
         slot = (slot + 1) & (kExactSlots - 1))
      if (exact_keys_[slot] == pixel) return last_index_ = exact_values_[slot];
    const std::size_t slot = Hash(pixel, kCacheBits);
    if (cache_keys_[slot] != pixel) {
      cache_keys_[slot] = pixel;
      cache_values_[slot] = Search(pixel);
    }
    return last_index_ = cache_values_[slot];
  }
  // The first index of exactly this colour, or -1 when the palette has none.
  int FindExact(std::uint32_t pixel) {
    pixel &= 0xFFFFFF;
    if (pixel == last_pixel_) return last_index_;
    for (std::size_t slot = Hash(pixel, kExactBits); exact_keys_[slot] != kEmpty;
         slot = (slot + 1) & (kExactSlots - 1))
      if (exact_keys_[slot] == pixel) {
        last_pixel_ = pixel;
        return last_index_ = exact_values_[slot];
      }
    return -1;
  }

 private:
  static constexpr unsigned kExactBits = 9, kCacheBits = 12;
  static constexpr std::size_t kExactSlots = std::size_t{1} << kExactBits;
  static constexpr std::uint32_t kEmpty = 0xFFFFFFFFu;  // no pixel word has its top byte set
  static std::size_t Hash(std::uint32_t pixel, unsigned bits) { return (pixel * 2654435761u) >> (32 - bits); }
  std::uint8_t Search(std::uint32_t pixel) const {
    return static_cast<std::uint8_t>(raster::NearestEntry(palette_, static_cast<int>(pixel >> 16),
                                                          static_cast<int>((pixel >> 8) & 0xFF),
                                                          static_cast<int>(pixel & 0xFF)));
  }
  const std::vector<PALETTEENTRY>& palette_;
  std::uint32_t last_pixel_ = kEmpty;
  std::uint8_t last_index_ = 0;
  std::array<std::uint32_t, kExactSlots> exact_keys_;
  std::array<std::uint8_t, kExactSlots> exact_values_{};
  std::array<std::uint32_t, std::size_t{1} << kCacheBits> cache_keys_;
  std::array<std::uint8_t, std::size_t{1} << kCacheBits> cache_values_{};
};

void Put16(std::string& s, std::size_t at, std::uint32_t v) {
  s[at] = static_cast<char>(v & 0xFF);
  s[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& s, std::size_t at, std::uint32_t v) {
  Put16(s, at, v & 0xFFFF);
  Put16(s, at + 2, v >> 16);
}

// A zero-filled file of the right size with both headers written: bottom-up BI_RGB.
bool StartFile(const Bitmap& bmp, int bits, std::uint32_t colours, std::string* out, std::size_t* stride,
               std::string* error) {
  const std::uint64_t w = static_cast<std::uint64_t>(bmp.Width()),
                      h = static_cast<std::uint64_t>(bmp.Height());
  *stride = static_cast<std::size_t>(((w * bits + 31) / 32) * 4);
  const std::uint64_t offset = kFileHeaderSize + kInfoHeaderSize + std::uint64_t{colours} * 4;
  const std::uint64_t image = *stride * h;
  if (w == 0 || h == 0 || offset + image > 0xFFFFFFFFu)
    return Fail(error,
                "a " + std::to_string(w) + " x " + std::to_string(h) + " bitmap cannot be written as a file");
  out->assign(static_cast<std::size_t>(offset + image), '\0');
  std::string& s = *out;
  s[0] = 'B';
  s[1] = 'M';
  Put32(s, 2, static_cast<std::uint32_t>(offset + image));
  Put32(s, 10, static_cast<std::uint32_t>(offset));
  Put32(s, 14, kInfoHeaderSize);
  Put32(s, 18, static_cast<std::uint32_t>(w));
  Put32(s, 22, static_cast<std::uint32_t>(h));
  Put16(s, 26, 1);
  Put16(s, 28, static_cast<std::uint32_t>(bits));
  Put32(s, 30, BI_RGB);
  Put32(s, 34, static_cast<std::uint32_t>(image));
  Put32(s, 38, kPelsPerMeter);
  Put32(s, 42, kPelsPerMeter);
  Put32(s, 46, colours);
  return true;
}

// A hidden temporary name beside path: "." + the file's name + ".XXXXXX" for mkstemp.
std::string TempTemplate(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  const std::string dir = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  return dir + "." + name + ".XXXXXX";
}

std::string DirectoryOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int fd, const std::string& data) {
  const char* p = data.data();
  std::size_t left = data.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = ENOSPC;
      return false;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

// Gives the finished temporary file the name path without replacing anything there: a rename
// that refuses an existing target, or on file systems without one a hard link (then the
// temporary name is dropped). Returns 0, or the errno (EEXIST when the name is taken).
int ClaimName(const std::string& temp, const std::string& path) {
  if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return errno;
  if (::link(temp.c_str(), path.c_str()) != 0) return errno;
  ::unlink(temp.c_str());
  return 0;
}

bool WriteFileReplacing(const std::string& path, const std::string& data, std::string* error) {
  if (data.empty()) return false;  // the encoder has set the message
  return WriteFileAtomically(path, data, true, error) == WriteResult::kWritten;
}

}  // namespace

WriteResult WriteFileAtomically(const std::string& path, const std::string& data, bool replace,
                                std::string* error) {
  std::string temp = TempTemplate(path);
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) {
    Fail(error, "cannot create a file in " + DirectoryOf(path) + ": " + std::strerror(errno));
    return WriteResult::kFailed;
  }
  // mkstemp makes the file private; a picture is as readable as any other file the user makes.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  const bool written = WriteAll(fd, data) && ::fsync(fd) == 0;
  const int write_errno = errno;
  if (::close(fd) != 0 || !written) {
    const int e = written ? errno : write_errno;
    ::unlink(temp.c_str());
    Fail(error, "cannot write " + path + ": " + std::strerror(e));
    return WriteResult::kFailed;
  }
  int e = 0;
  if (replace) {
    if (::rename(temp.c_str(), path.c_str()) != 0) e = errno;
  } else {
    e = ClaimName(temp, path);
  }
  if (e != 0) {
    ::unlink(temp.c_str());
    if (e == EEXIST) {
      Fail(error, path + " already exists");
      return WriteResult::kExists;
    }
    Fail(error, "cannot " + std::string(replace ? "replace " : "create ") + path + ": " + std::strerror(e));
    return WriteResult::kFailed;
  }
  // The new name itself is made durable with its directory.
  const int dir = ::open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  if (error) error->clear();
  return WriteResult::kWritten;
}


bool ReadBmpInfo(const void* data, std::size_t size, BmpInfo* info, std::string* error) {
  Layout L;
  if (!data) return Fail(error, "no data");
  if (!ParseHeaders(static_cast<const std::uint8_t*>(data), size, &L, error)) return false;
  if (info) *info = L.info;
  return true;
}

HBITMAP LoadBmp(const void* data, std::size_t size, std::string* error, std::vector<PALETTEENTRY>* palette) {
  if (palette) palette->clear();
  if (!data) {
    Fail(error, "no data");
    return nullptr;
  }
  const auto* d = static_cast<const std::uint8_t*>(data);
  Layout L;
  if (!ParseHeaders(d, size, &L, error)) return nullptr;

  ColourTable lut{};  // indices beyond the table stay black
  for (int i = 0; i < L.info.palette_size; ++i) {
    const std::uint8_t* e = d + L.table_offset + static_cast<std::size_t>(i) * L.table_entry;
    lut[i] = (static_cast<std::uint32_t>(e[2]) << 16) | (e[1] << 8) | e[0];
    if (palette) palette->push_back(PALETTEENTRY{e[2], e[1], e[0], 0});
  }

  HBITMAP bmp = CreateDIBSection32(L.info.width, L.info.height);
  if (!bmp) {
    Fail(error, "cannot allocate a " + std::to_string(L.info.width) + " x " + std::to_string(L.info.height) +
                    " bitmap");
    if (palette) palette->clear();
    return nullptr;
  }
  if (L.info.compression == BI_RLE8 || L.info.compression == BI_RLE4)
    DecodeRle(d + L.pixel_offset, size - L.pixel_offset, L.info.compression == BI_RLE4, L, lut, *bmp);
  else
    DecodeUncompressed(d, L, lut, *bmp);
  if (error) error->clear();
  return bmp;
}

HBITMAP LoadBmp(const std::string& data, std::string* error, std::vector<PALETTEENTRY>* palette) {
  return LoadBmp(data.data(), data.size(), error, palette);
}

HBITMAP LoadBmpFile(const std::string& path, std::string* error, std::vector<PALETTEENTRY>* palette) {
  if (palette) palette->clear();
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec) {
    Fail(error, "cannot read " + path + ": " + ec.message());
    return nullptr;
  }
  if (size > kMaxFileBytes) {
    Fail(error,
         path + " is too large to be a bitmap the program can use (" + std::to_string(size) + " bytes)");
    return nullptr;
  }
  std::string data(static_cast<std::size_t>(size), '\0');
  std::ifstream f(path, std::ios::binary);
  if (!f || !f.read(data.data(), static_cast<std::streamsize>(data.size()))) {
    Fail(error, "cannot read " + path + ": " + std::strerror(errno));
    return nullptr;
  }
  return LoadBmp(data, error, palette);
}

std::string EncodeBmp24(const Bitmap& bmp, std::string* error) {
  std::string out;
  std::size_t stride;
  if (!StartFile(bmp, 24, 0, &out, &stride, error)) return {};
  const int w = bmp.Width(), h = bmp.Height();
  auto* base = reinterpret_cast<std::uint8_t*>(out.data()) + kFileHeaderSize + kInfoHeaderSize;
  for (int y = 0; y < h; ++y) {
    const std::uint32_t* src = bmp.Row(h - 1 - y);
    std::uint8_t* dst = base + static_cast<std::size_t>(y) * stride;
    for (int x = 0; x < w; ++x, dst += 3) {
      const std::uint32_t p = src[x];
      dst[0] = static_cast<std::uint8_t>(p);
      dst[1] = static_cast<std::uint8_t>(p >> 8);
      dst[2] = static_cast<std::uint8_t>(p >> 16);
    }
  }
  return out;
}

namespace {

std::string Encode8(const Bitmap& bmp, const std::vector<PALETTEENTRY>& palette, bool exact, std::string* error) {
  if (palette.empty() || palette.size() > 256) {
    Fail(error, "an 8-bit bitmap needs a palette of 1 to 256 colours, not " + std::to_string(palette.size()));
    return {};
  }
  const auto colours = static_cast<std::uint32_t>(palette.size());
  std::string out;
  std::size_t stride;
  if (!StartFile(bmp, 8, colours, &out, &stride, error)) return {};
  auto* table = reinterpret_cast<std::uint8_t*>(out.data()) + kFileHeaderSize + kInfoHeaderSize;
  for (const PALETTEENTRY& e : palette) {
    *table++ = e.peBlue;
    *table++ = e.peGreen;
    *table++ = e.peRed;
    *table++ = 0;
  }
  NearestIndex nearest(palette);
  const int w = bmp.Width(), h = bmp.Height();
  for (int y = 0; y < h; ++y) {
    const std::uint32_t* src = bmp.Row(h - 1 - y);
    std::uint8_t* dst = table + static_cast<std::size_t>(y) * stride;
    if (!exact) {
      for (int x = 0; x < w; ++x) dst[x] = nearest.Find(src[x]);
      continue;
    }
    for (int x = 0; x < w; ++x) {
      const int index = nearest.FindExact(src[x]);
      if (index < 0) return {};
      dst[x] = static_cast<std::uint8_t>(index);
    }
  }
  return out;
}

}  // namespace

std::string EncodeBmp8(const Bitmap& bmp, const std::vector<PALETTEENTRY>& palette, std::string* error) {
  return Encode8(bmp, palette, false, error);
}

std::string EncodeBmp8Exact(const Bitmap& bmp, const std::vector<PALETTEENTRY>& palette) {
  std::string ignored;
  return Encode8(bmp, palette, true, &ignored);
}

bool SaveBmp24(const std::string& path, const Bitmap& bmp, std::string* error) {
  return WriteFileReplacing(path, EncodeBmp24(bmp, error), error);
}

bool SaveBmp8(const std::string& path, const Bitmap& bmp, const std::vector<PALETTEENTRY>& palette,
              std::string* error) {
  return WriteFileReplacing(path, EncodeBmp8(bmp, palette, error), error);
}

}  // namespace gdi
