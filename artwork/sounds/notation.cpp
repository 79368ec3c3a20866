#include "notation.h"

#include <cctype>
#include <sstream>
#include <stdexcept>

namespace soundgen {

namespace {

// Splits text at "|" into bars and each bar at white space into tokens; empty bars (after a final
// "|") are dropped.
std::vector<std::vector<std::string>> SplitBars(const std::string& text) {
  std::vector<std::vector<std::string>> bars;
  std::stringstream all(text);
  std::string bar;
  while (std::getline(all, bar, '|')) {
    std::stringstream words(bar);
    std::vector<std::string> tokens;
    for (std::string token; words >> token;) tokens.push_back(token);
    if (!tokens.empty()) bars.push_back(std::move(tokens));
  }
  return bars;
}

[[noreturn]] void Fail(const std::string& what, std::size_t bar, const std::string& token) {
  throw std::invalid_argument(what + " in bar " + std::to_string(bar + 1) + " at \"" + token + "\"");
}

// Reads a length in eighths ("", "2", "3/2", "/", "/4") from token[pos...] and returns ticks.
int ParseLength(const std::string& token, std::size_t pos, std::size_t bar) {
  int numerator = 1;
  int denominator = 1;
  if (pos < token.size() && std::isdigit(static_cast<unsigned char>(token[pos]))) {
    numerator = 0;
    while (pos < token.size() && std::isdigit(static_cast<unsigned char>(token[pos]))) {
      numerator = numerator * 10 + (token[pos++] - '0');
    }
  }
  if (pos < token.size() && token[pos] == '/') {
    ++pos;
    denominator = 2;
    if (pos < token.size() && std::isdigit(static_cast<unsigned char>(token[pos]))) {
      denominator = 0;
      while (pos < token.size() && std::isdigit(static_cast<unsigned char>(token[pos]))) {
        denominator = denominator * 10 + (token[pos++] - '0');
      }
    }
  }
  if (pos != token.size() || numerator <= 0 || denominator <= 0 ||
      (kTicksPerEighth * numerator) % denominator) {
    Fail("bad length", bar, token);
  }
  return kTicksPerEighth * numerator / denominator;
}

int PitchClassOfLetter(char upper) {
  switch (upper) {
    case 'C':
      return 0;
    case 'D':
      return 2;
    case 'E':
      return 4;
    case 'F':
      return 5;
    case 'G':
      return 7;
    case 'A':
      return 9;
    case 'B':
      return 11;
    default:
      return -1;
  }
}

}  // namespace

int CountBars(const std::string& text) {
  return static_cast<int>(SplitBars(text).size());
}

std::vector<TuneNote> ParseMelody(const std::string& text, int bar_ticks) {
  std::vector<TuneNote> notes;
  const auto bars = SplitBars(text);
  for (std::size_t b = 0; b < bars.size(); ++b) {
    int at = static_cast<int>(b) * bar_ticks;
    for (const std::string& token : bars[b]) {
      std::size_t pos = 0;
      int accidental = 0;
      while (pos < token.size() && (token[pos] == '^' || token[pos] == '_' || token[pos] == '=')) {
        accidental += token[pos] == '^' ? 1 : token[pos] == '_' ? -1 : 0;
        ++pos;
      }
      if (pos >= token.size()) Fail("missing note", b, token);
      const char letter = token[pos++];
      const bool rest = letter == 'z';
      int pitch = 0;
      if (!rest) {
        const int pc =
            PitchClassOfLetter(static_cast<char>(std::toupper(static_cast<unsigned char>(letter))));
        if (pc < 0) Fail("unknown note", b, token);
        pitch = 60 + pc + accidental + (std::islower(static_cast<unsigned char>(letter)) ? 12 : 0);
      }
      while (pos < token.size() && (token[pos] == '\'' || token[pos] == ',')) {
        pitch += token[pos++] == '\'' ? 12 : -12;
      }
      const int length = ParseLength(token, pos, b);
      if (!rest) notes.push_back({at, length, pitch});
      at += length;
    }
    if (at != static_cast<int>(b + 1) * bar_ticks) Fail("bar of the wrong length", b, bars[b].back());
  }
  return notes;
}

std::vector<TuneChord> ParseChords(const std::string& text, int bar_ticks) {
  std::vector<TuneChord> chords;
  const auto bars = SplitBars(text);
  for (std::size_t b = 0; b < bars.size(); ++b) {
    const int bar_start = static_cast<int>(b) * bar_ticks;
    // Symbols without a length share what the others leave.
    int fixed = 0;
    int shared = 0;
    std::vector<int> lengths;
    for (const std::string& token : bars[b]) {
      const std::size_t colon = token.find(':');
      lengths.push_back(colon == std::string::npos ? 0 : ParseLength(token, colon + 1, b));
      fixed += lengths.back();
      shared += lengths.back() == 0 ? 1 : 0;
    }
    const int rest = bar_ticks - fixed;
    if (rest < 0 || (shared > 0 && rest % shared != 0) || (shared == 0 && rest != 0)) {
      Fail("chord lengths do not fill the bar", b, bars[b].back());
    }
    int at = bar_start;
    for (std::size_t i = 0; i < bars[b].size(); ++i) {
      const std::string symbol = bars[b][i].substr(0, bars[b][i].find(':'));
      TuneChord chord;
      chord.start = at;
      chord.length = lengths[i] ? lengths[i] : rest / shared;
      at += chord.length;
      std::size_t pos = 0;
      chord.root = symbol.empty() ? -1 : PitchClassOfLetter(symbol[pos++]);
      if (chord.root < 0) Fail("unknown chord", b, symbol);
      if (pos < symbol.size() && (symbol[pos] == '#' || symbol[pos] == 'b')) {
        chord.root = (chord.root + (symbol[pos++] == '#' ? 1 : 11)) % 12;
      }
      const std::string quality = symbol.substr(pos);
      if (quality.empty())
        chord.intervals = {0, 4, 7};
      else if (quality == "m")
        chord.intervals = {0, 3, 7};
      else if (quality == "7")
        chord.intervals = {0, 4, 7, 10};
      else if (quality == "m7")
        chord.intervals = {0, 3, 7, 10};
      else if (quality == "maj7")
        chord.intervals = {0, 4, 7, 11};
      else if (quality == "6")
        chord.intervals = {0, 4, 7, 9};
      else if (quality == "dim")
        chord.intervals = {0, 3, 6};
      else
        Fail("unknown chord quality", b, symbol);
      chords.push_back(std::move(chord));
    }
  }
  return chords;
}

}  // namespace soundgen
