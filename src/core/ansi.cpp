#include "core/ansi.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/state.h"
#include "gdi/gdi.h"

namespace pd {

namespace {

// The code points of UTF-8 text; a malformed or overlong sequence gives nothing.
std::vector<char32_t> CodePoints(const std::string& s) {
  std::vector<char32_t> out;
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    int n = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : -1;
    if (n < 0) {
      ++i;
      continue;
    }
    char32_t cp = n == 0 ? c : c & (0x3F >> n);
    bool ok = i + n < s.size();
    for (int k = 1; ok && k <= n; ++k) {
      const auto d = static_cast<unsigned char>(s[i + k]);
      ok = (d & 0xC0) == 0x80;
      cp = (cp << 6) | (d & 0x3F);
    }
    static constexpr char32_t kLeast[4] = {0, 0x80, 0x800, 0x10000};
    if (!ok) {
      ++i;
      continue;
    }
    if (cp >= kLeast[n] && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF)) out.push_back(cp);
    i += n + 1;
  }
  return out;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::string AnsiFromUtf8(const std::string& utf8) {
  std::string out;
  for (const char32_t c : CodePoints(utf8)) {
    const int byte = gdi::AnsiFromUnicode(c);
    if (byte > 0) out += static_cast<char>(byte);
  }
  return out;
}

std::string Utf8FromAnsi(const std::string& ansi) {
  std::string out;
  for (const char ch : ansi) AppendUtf8(out, gdi::UnicodeFromAnsi(static_cast<unsigned char>(ch)));
  return out;
}

std::string Latin1FromUtf8(const std::string& utf8) {
  std::string out;
  for (const char32_t c : CodePoints(utf8)) {
    if (c > 0 && c <= 0xFF) out += static_cast<char>(c);
  }
  return out;
}

std::string Utf8FromLatin1(const std::string& latin1) {
  std::string out;
  for (const char ch : latin1) AppendUtf8(out, static_cast<unsigned char>(ch));
  return out;
}

std::string TextBufferText() {
  const auto end = std::find(TextBuffer.begin(), TextBuffer.end(), '\0');
  return std::string(TextBuffer.begin(), end);
}

void SetTextBuffer(const std::string& ansi) {
  TextBuffer.fill(0);
  const std::size_t n = std::min(ansi.size(), TextBuffer.size() - 1);
  std::memcpy(TextBuffer.data(), ansi.data(), n);
}

}  // namespace pd
