#include "smf.h"

#include <algorithm>
#include <stdexcept>

#include "bytes.h"

namespace soundgen {

namespace {

enum Order { kMetaOrder = 0, kControlOrder = 1, kNoteOffOrder = 2, kNoteOnOrder = 3 };

void PutVariableLength(std::string& out, std::uint32_t v) {
  char buffer[5];
  int n = 0;
  buffer[n++] = static_cast<char>(v & 0x7f);
  while ((v >>= 7) != 0) buffer[n++] = static_cast<char>((v & 0x7f) | 0x80);
  while (n > 0) out.push_back(buffer[--n]);
}

std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s.push_back(static_cast<char>(v));
  return s;
}

void CheckChannelData(int channel, int a, int b) {
  if (channel < 0 || channel > 15 || a < 0 || a > 127 || b < 0 || b > 127) {
    throw std::out_of_range("MIDI channel event out of range");
  }
}

}  // namespace

void MidiTrack::Add(std::uint32_t tick, int order, std::string bytes) {
  events_.push_back({tick, order, std::move(bytes)});
}

void MidiTrack::Meta(std::uint32_t tick, int type, const std::string& data) {
  std::string bytes = Bytes({0xff, type});
  PutVariableLength(bytes, static_cast<std::uint32_t>(data.size()));
  bytes += data;
  Add(tick, kMetaOrder, std::move(bytes));
}

void MidiTrack::Name(const std::string& name) {
  Meta(0, 0x03, name);
}

void MidiTrack::Tempo(std::uint32_t tick, std::uint32_t micros_per_quarter) {
  std::string data;
  PutBE(data, micros_per_quarter, 3);
  Meta(tick, 0x51, data);
}

void MidiTrack::TimeSignature(std::uint32_t tick, int numerator, int denominator_power,
                              int clocks_per_click) {
  Meta(tick, 0x58, Bytes({numerator, denominator_power, clocks_per_click, 8}));
}

void MidiTrack::KeySignature(std::uint32_t tick, int sharps) {
  Meta(tick, 0x59, Bytes({sharps & 0xff, 0}));
}

void MidiTrack::Program(std::uint32_t tick, int channel, int program) {
  CheckChannelData(channel, program, 0);
  Add(tick, kControlOrder, Bytes({0xc0 | channel, program}));
}

void MidiTrack::Control(std::uint32_t tick, int channel, int controller, int value) {
  CheckChannelData(channel, controller, value);
  Add(tick, kControlOrder, Bytes({0xb0 | channel, controller, value}));
}

void MidiTrack::Note(std::uint32_t tick, int channel, int key, int velocity, std::uint32_t length) {
  CheckChannelData(channel, key, velocity);
  if (velocity == 0 || length == 0) throw std::invalid_argument("a note needs a velocity and a length");
  Add(tick, kNoteOnOrder, Bytes({0x90 | channel, key, velocity}));
  Add(tick + length, kNoteOffOrder, Bytes({0x90 | channel, key, 0}));
}

std::string MidiTrack::Encode() const {
  std::vector<Event> sorted = events_;
  std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  std::string body;
  std::uint32_t now = 0;
  int running_status = -1;
  for (const Event& e : sorted) {
    PutVariableLength(body, e.tick - now);
    now = e.tick;
    const int status = static_cast<unsigned char>(e.bytes[0]);
    if (status == 0xff) {
      // Meta events cancel running status.
      running_status = -1;
      body += e.bytes;
    } else if (status == running_status) {
      body.append(e.bytes, 1);
    } else {
      running_status = status;
      body += e.bytes;
    }
  }
  PutVariableLength(body, 0);
  body += Bytes({0xff, 0x2f, 0x00});

  std::string chunk = "MTrk";
  PutBE(chunk, static_cast<std::uint32_t>(body.size()), 4);
  return chunk + body;
}

std::string EncodeMidiFile(int ticks_per_quarter, const std::vector<MidiTrack>& tracks) {
  std::string out = "MThd";
  PutBE(out, 6, 4);
  PutBE(out, 1, 2);  // format 1: a tempo track and parallel tracks
  PutBE(out, static_cast<std::uint32_t>(tracks.size()), 2);
  PutBE(out, static_cast<std::uint32_t>(ticks_per_quarter), 2);
  for (const MidiTrack& track : tracks) out += track.Encode();
  return out;
}

}  // namespace soundgen
