// Writes Standard MIDI Files (format 1). Events are kept per track with absolute times and encoded
// with delta times and running status when the file is written.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace soundgen {

class MidiTrack {
 public:
  void Name(const std::string& name);
  // Tempo in microseconds per quarter note.
  void Tempo(std::uint32_t tick, std::uint32_t micros_per_quarter);
  void TimeSignature(std::uint32_t tick, int numerator, int denominator_power, int clocks_per_click);
  // Key signature: sharps (positive) or flats (negative) of a major key.
  void KeySignature(std::uint32_t tick, int sharps);
  void Program(std::uint32_t tick, int channel, int program);
  void Control(std::uint32_t tick, int channel, int controller, int value);
  // A note from tick to tick + length. The note-off is written as a note-on of velocity 0, which
  // keeps whole chords and runs in one running status.
  void Note(std::uint32_t tick, int channel, int key, int velocity, std::uint32_t length);

  // The track chunk ("MTrk", length, events, end of track) as bytes.
  std::string Encode() const;

 private:
  struct Event {
    std::uint32_t tick;
    int order;  // at equal ticks: meta events, then controls, then note-offs, then note-ons
    std::string bytes;
  };
  void Meta(std::uint32_t tick, int type, const std::string& data);
  void Add(std::uint32_t tick, int order, std::string bytes);

  std::vector<Event> events_;
};

// The whole file: header chunk (format 1) and the tracks in order.
std::string EncodeMidiFile(int ticks_per_quarter, const std::vector<MidiTrack>& tracks);

}  // namespace soundgen
