// The program's strings are bytes of the fonts' ANSI code page, Windows-1252, as the text layer
// draws them; the keyboard and the form controls speak Unicode (UTF-8). These convert between
// them, and keep TextBuffer.
#pragma once

#include <string>

namespace pd {

// The Windows-1252 bytes of UTF-8 text: characters the code page cannot hold, and malformed
// bytes, are dropped.
std::string AnsiFromUtf8(const std::string& utf8);
std::string Utf8FromAnsi(const std::string& ansi);
// Face names are Latin-1 bytes (what the font list gives): characters beyond it are dropped.
std::string Latin1FromUtf8(const std::string& utf8);
std::string Utf8FromLatin1(const std::string& latin1);

// TextBuffer's text: its bytes up to the first NUL.
std::string TextBufferText();
// Fills TextBuffer with 0 and copies at most its 255 first bytes of ansi into it.
void SetTextBuffer(const std::string& ansi);

}  // namespace pd
