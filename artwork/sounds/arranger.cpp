#include "arranger.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "drums.h"
#include "notation.h"
#include "smf.h"

namespace soundgen {

namespace {

constexpr int kLeadChannel = 0;
constexpr int kSecondChannel = 1;
constexpr int kCompChannel = 2;
constexpr int kBassChannel = 3;
constexpr int kDrumChannel = 9;  // channel 10 as musicians count: General MIDI percussion

constexpr int kStepTicks = kTicksPerQuarter / 4;  // the drum grid is in sixteenths
constexpr int kIntroBars = 2;
constexpr double kLongestSeconds = 170.0;
constexpr double kShortestSeconds = 70.0;

// How a verse is dressed. The first verse is plain; later ones cycle through the others, and
// the last of three or more is always everyone together.
enum class Variation { kPlain, kSecondLeads, kSprinkle, kTutti };

Variation VariationOf(int verse, int verses) {
  if (verse == 0) return Variation::kPlain;
  if (verse == verses - 1 && verses >= 3) return Variation::kTutti;
  constexpr Variation kCycle[] = {Variation::kSecondLeads, Variation::kSprinkle, Variation::kTutti};
  return kCycle[(verse - 1) % 3];
}

int PositiveModulo(int a, int m) {
  return ((a % m) + m) % m;
}

// The note a diatonic third below pitch in the major key with tonic pitch class key; notes
// outside the scale take a minor third.
int ThirdBelow(int pitch, int key) {
  constexpr int kScale[] = {0, 2, 4, 5, 7, 9, 11};
  const int degree_pc = PositiveModulo(pitch - key, 12);
  for (int i = 0; i < 7; ++i) {
    if (kScale[i] != degree_pc) continue;
    const int below = kScale[PositiveModulo(i - 2, 7)];
    return pitch - PositiveModulo(degree_pc - below, 12);
  }
  return pitch - 3;
}

// A close voicing of the chord with its lowest note between G3 and F#4.
std::vector<int> Voicing(const TuneChord& chord, int transpose) {
  std::vector<int> tones;
  const int root = 48 + PositiveModulo(chord.root + transpose, 12);
  for (int interval : chord.intervals) tones.push_back(root + interval);
  std::sort(tones.begin(), tones.end());
  while (tones.front() < 55) {
    tones.push_back(tones.front() + 12);
    tones.erase(tones.begin());
  }
  return tones;
}

// The root of the chord in the bass register, E2..D#3.
int BassRoot(const TuneChord& chord, int transpose) {
  return 40 + PositiveModulo(chord.root + transpose - 4, 12);
}

class Arranger {
 public:
  explicit Arranger(const Song& song)
      : song_(song),
        bar_ticks_(song.metre == Metre::kFourFour ? 4 * kTicksPerQuarter : 3 * kTicksPerQuarter),
        notes_(ParseMelody(song.melody, bar_ticks_)),
        chords_(ParseChords(song.chords, bar_ticks_)),
        tune_ticks_(CountBars(song.melody) * bar_ticks_),
        tracks_(6) {
    if (CountBars(song.chords) != CountBars(song.melody)) {
      throw std::invalid_argument(std::string(song.title) + ": melody and chords differ in length");
    }
    if (notes_.empty()) throw std::invalid_argument(std::string(song.title) + ": no notes");
  }

  ArrangedSong Write() {
    const int verse_ticks = song_.passes * tune_ticks_;
    const int verses = ChooseVerses(verse_ticks);
    WriteSetUp();

    // The introduction borrows the tune's last two bars of harmony, which lead home to the tonic.
    const int intro_ticks = kIntroBars * bar_ticks_;
    for (int t = 0; t < intro_ticks; t += bar_ticks_) {
      const int tune_bar = tune_ticks_ - intro_ticks + t;
      Accompany(t, tune_bar, bar_ticks_, song_.transpose, false);
      Drums(t, false, false, false);
    }

    int transpose = song_.transpose;
    for (int verse = 0; verse < verses; ++verse) {
      const int start = intro_ticks + verse * verse_ticks;
      const bool last = verse == verses - 1;
      if (last && verses >= 3) {
        transpose += 2;
        tracks_[0].KeySignature(static_cast<std::uint32_t>(start), SharpsOf(song_.key + transpose));
      }
      const Variation variation = VariationOf(verse, verses);
      for (int pass = 0; pass < song_.passes; ++pass) {
        const int pass_start = start + pass * tune_ticks_;
        Melody(pass_start, transpose, variation);
        for (int bar = 0; bar < tune_ticks_; bar += bar_ticks_) {
          const bool busy = variation != Variation::kPlain;
          Accompany(pass_start + bar, bar, bar_ticks_, transpose, busy);
          const bool first_bar = pass == 0 && bar == 0;
          const bool fill = !last && pass == song_.passes - 1 && bar + bar_ticks_ == tune_ticks_;
          Drums(pass_start + bar, busy, first_bar && verse > 0, fill);
        }
      }
    }

    const int end = intro_ticks + verses * verse_ticks;
    Ending(end, transpose);
    const int total_ticks = end + bar_ticks_;

    ArrangedSong result;
    result.midi = EncodeMidiFile(kTicksPerQuarter, tracks_);
    result.seconds = Seconds(total_ticks);
    result.verses = verses;
    return result;
  }

 private:
  double QuartersPerMinute() const {
    return song_.metre == Metre::kSixEight ? song_.tempo * 1.5 : static_cast<double>(song_.tempo);
  }
  double Seconds(int ticks) const {
    return ticks / static_cast<double>(kTicksPerQuarter) * 60.0 / QuartersPerMinute();
  }

  // As many verses as bring the song closest to its target length, at least two, and within the
  // bounds every song keeps.
  int ChooseVerses(int verse_ticks) const {
    const int fixed_ticks = (kIntroBars + 1) * bar_ticks_;
    const double verse_seconds = Seconds(verse_ticks);
    int verses = std::max(
        2, static_cast<int>(std::lround((song_.target_seconds - Seconds(fixed_ticks)) / verse_seconds)));
    while (verses > 1 && Seconds(fixed_ticks + verses * verse_ticks) > kLongestSeconds) --verses;
    while (Seconds(fixed_ticks + verses * verse_ticks) < kShortestSeconds) ++verses;
    return verses;
  }

  static int SharpsOf(int key) {
    constexpr int kSharps[] = {0, -5, 2, -3, 4, -1, 6, 1, -4, 3, -2, 5};
    return kSharps[PositiveModulo(key, 12)];
  }

  void WriteSetUp() {
    MidiTrack& conductor = tracks_[0];
    conductor.Name(song_.title);
    conductor.Tempo(0, static_cast<std::uint32_t>(std::lround(60'000'000.0 / QuartersPerMinute())));
    switch (song_.metre) {
      case Metre::kFourFour:
        conductor.TimeSignature(0, 4, 2, 24);
        break;
      case Metre::kThreeFour:
        conductor.TimeSignature(0, 3, 2, 24);
        break;
      case Metre::kSixEight:
        conductor.TimeSignature(0, 6, 3, 36);
        break;
    }
    conductor.KeySignature(0, SharpsOf(song_.key + song_.transpose));

    struct Setup {
      const char* name;
      int channel;
      int program;  // -1 for the drum kit, which needs none
      int volume;
      int pan;
    };
    const Setup setups[] = {
        {"Melody", kLeadChannel, song_.lead, 110, 56},
        {"Second melody", kSecondChannel, song_.second, 88, 84},
        {"Chords", kCompChannel, song_.comp, 77, 40},
        {"Bass", kBassChannel, song_.bass, 81, 64},
        {"Drums", kDrumChannel, -1, 83, 64},
    };
    for (int i = 0; i < 5; ++i) {
      MidiTrack& track = tracks_[i + 1];
      const Setup& s = setups[i];
      track.Name(s.name);
      if (s.program >= 0) track.Program(0, s.channel, s.program);
      track.Control(0, s.channel, 7, std::min(127, s.volume * song_.level / 100));
      track.Control(0, s.channel, 10, s.pan);
      track.Control(0, s.channel, 91, 40);  // a little reverb
    }
  }

  MidiTrack& Lead() { return tracks_[1]; }
  MidiTrack& Second() { return tracks_[2]; }
  MidiTrack& Comp() { return tracks_[3]; }
  MidiTrack& Bass() { return tracks_[4]; }
  MidiTrack& Kit() { return tracks_[5]; }

  const TuneChord& ChordAt(int tune_tick) const {
    const int t = PositiveModulo(tune_tick, tune_ticks_);
    for (const TuneChord& chord : chords_) {
      if (t >= chord.start && t < chord.start + chord.length) return chord;
    }
    return chords_.back();
  }

  // Notes are held for most of their length, so that repeated notes are still heard apart.
  static std::uint32_t Held(int length) {
    return static_cast<std::uint32_t>(std::max(length - std::min(60, length / 5), 30));
  }

  void Note(MidiTrack& track, int channel, int tick, int key, int velocity, int length) {
    track.Note(static_cast<std::uint32_t>(tick), channel, key, std::clamp(velocity, 1, 127), Held(length));
  }

  int Accent(const TuneNote& n) const { return n.start % bar_ticks_ == 0 ? 8 : 0; }

  void Melody(int start, int transpose, Variation variation) {
    constexpr int kRoundDelayBars = 2;
    for (const TuneNote& n : notes_) {
      const int tick = start + n.start;
      const int pitch = n.pitch + transpose;
      const int second_pitch = pitch + song_.second_octave;
      const int accent = Accent(n);
      if (song_.round && variation != Variation::kPlain) {
        Note(Lead(), kLeadChannel, tick, pitch, 96 + accent, n.length);
        // The second voice enters two bars behind; what would run past the verse is left out.
        const int delayed = n.start + kRoundDelayBars * bar_ticks_;
        if (delayed + n.length <= tune_ticks_) {
          Note(Second(), kSecondChannel, start + delayed, second_pitch, 84 + accent, n.length);
        }
        continue;
      }
      switch (variation) {
        case Variation::kPlain:
        case Variation::kSprinkle:
          Note(Lead(), kLeadChannel, tick, pitch, 96 + accent, n.length);
          break;
        case Variation::kSecondLeads:
          Note(Second(), kSecondChannel, tick, second_pitch, 96 + accent, n.length);
          Note(Lead(), kLeadChannel, tick, ThirdBelow(n.pitch, song_.key) + transpose, 62, n.length);
          break;
        case Variation::kTutti:
          Note(Lead(), kLeadChannel, tick, pitch, 100 + accent, n.length);
          Note(Second(), kSecondChannel, tick, second_pitch, 88 + accent, n.length);
          break;
      }
    }
    if (variation == Variation::kSprinkle && !song_.round) Sprinkle(start, transpose);
  }

  // The second instrument plays the chords broken into eighths, high and soft, under the tune.
  void Sprinkle(int start, int transpose) {
    constexpr int kPattern[] = {0, 1, 2, 3, 2, 1};
    int step = 0;
    for (int t = 0; t < tune_ticks_; t += kTicksPerEighth, ++step) {
      const TuneChord& chord = ChordAt(t);
      const int root = 72 + PositiveModulo(chord.root + transpose, 12);
      const int index = kPattern[step % 6];
      const int pitch = index == 3 ? root + 12 : root + chord.intervals[static_cast<std::size_t>(index)];
      Note(Second(), kSecondChannel, start + t, pitch + song_.second_octave, 50, kTicksPerEighth);
    }
  }

  // Chords and bass for one bar. tune_bar is the bar's position in the tune, which gives the harmony.
  void Accompany(int tick, int tune_bar, int length, int transpose, bool busy) {
    CompBar(tick, tune_bar, length, transpose);
    BassBar(tick, tune_bar, transpose, busy);
  }

  void Chord(int tick, const TuneChord& chord, int transpose, int velocity, int length) {
    for (int key : Voicing(chord, transpose)) Note(Comp(), kCompChannel, tick, key, velocity, length);
  }

  void CompBar(int tick, int tune_bar, int length, int transpose) {
    const int beat = kTicksPerQuarter;
    switch (song_.comping) {
      case Comping::kPad:
        for (const TuneChord& chord : chords_) {
          if (chord.start >= tune_bar && chord.start < tune_bar + length) {
            Chord(tick + chord.start - tune_bar, chord, transpose, 40, chord.length);
          }
        }
        break;
      case Comping::kOffbeat:
        for (int t = beat; t < length; t += 2 * beat)
          Chord(tick + t, ChordAt(tune_bar + t), transpose, 64, beat * 2 / 3);
        break;
      case Comping::kArpeggio: {
        constexpr int kPattern[] = {0, 1, 2, 3, 2, 1};
        int step = 0;
        for (int t = 0; t < length; t += kTicksPerEighth, ++step) {
          const std::vector<int> tones = Voicing(ChordAt(tune_bar + t), transpose);
          const int index = kPattern[step % 6];
          const int key = index == 3 ? tones.front() + 12 : tones[static_cast<std::size_t>(index)];
          Note(Comp(), kCompChannel, tick + t, key, 58, kTicksPerEighth);
        }
        break;
      }
      case Comping::kWaltz:
        for (int t = beat; t < length; t += beat)
          Chord(tick + t, ChordAt(tune_bar + t), transpose, 60, beat * 2 / 3);
        break;
      case Comping::kRocking:
        for (int t = 0; t < length; t += 3 * kTicksPerEighth) {
          Chord(tick + t, ChordAt(tune_bar + t), transpose, 52, 3 * kTicksPerEighth);
        }
        break;
    }
  }

  void BassBar(int tick, int tune_bar, int transpose, bool busy) {
    // Each step: where it falls in the bar, which chord tone (0 root, 7 fifth, 12 octave, or any
    // other number of semitones above the root), and how long it lasts.
    struct Step {
      int at;
      int tone;
      int length;
    };
    const int beat = kTicksPerQuarter;
    std::vector<Step> steps;
    if (song_.metre == Metre::kFourFour) {
      if (!busy)
        steps = {{0, 0, 2 * beat}, {2 * beat, 7, 2 * beat}};
      else if (song_.groove == Groove::kSwing)
        steps = {{0, 0, beat}, {beat, 4, beat}, {2 * beat, 7, beat}, {3 * beat, 9, beat}};
      else
        steps = {{0, 0, beat}, {beat, 7, beat}, {2 * beat, 12, beat}, {3 * beat, 7, beat}};
    } else if (song_.metre == Metre::kThreeFour) {
      steps = {{0, 0, beat}};
      if (busy) steps.push_back({2 * beat, 7, beat});
    } else {
      steps = {{0, 0, 3 * kTicksPerEighth}};
      if (busy) steps.push_back({3 * kTicksPerEighth, 7, 3 * kTicksPerEighth});
    }
    for (const Step& s : steps) {
      const TuneChord& chord = ChordAt(tune_bar + s.at);
      int tone = s.tone;
      // A major third or sixth step follows the chord: minor chords take the minor third.
      if (tone == 4 && chord.intervals.size() > 1) tone = chord.intervals[1];
      Note(Bass(), kBassChannel, tick + s.at, BassRoot(chord, transpose) + tone, 84 + (s.at == 0 ? 6 : 0),
           s.length);
    }
  }

  // One bar of drums: the light or full pattern, a crash to mark a new verse, and a fill of toms
  // over the second half of the bar that leads into the next verse.
  void Drums(int tick, bool full, bool crash, bool fill) {
    const int steps = bar_ticks_ / kStepTicks;
    const int fill_from = steps / 2;
    for (const DrumLine& line : GrooveLines(song_.groove)) {
      if (static_cast<int>(line.grid.size()) != steps) {
        throw std::invalid_argument(std::string(song_.title) + ": drum pattern does not fit the metre");
      }
      if (!full && !line.light) continue;
      for (int i = 0; i < steps; ++i) {
        if (line.grid[static_cast<std::size_t>(i)] == '.') continue;
        if (fill && i >= fill_from) continue;
        Note(Kit(), kDrumChannel, tick + i * kStepTicks, line.key,
             DrumVelocity(line.grid[static_cast<std::size_t>(i)]), kStepTicks);
      }
    }
    if (crash) Note(Kit(), kDrumChannel, tick, kCrash, 80, 4 * kStepTicks);
    if (fill) {
      constexpr int kToms[] = {kHighTom, kHighMidTom, kLowMidTom, kMidTom, kLowTom, kFloorTom};
      int n = 0;
      for (int i = fill_from; i < steps; i += 2, ++n) {
        Note(Kit(), kDrumChannel, tick + i * kStepTicks, kToms[n % 6], 70 + 6 * n, 2 * kStepTicks);
      }
    }
  }

  // The closing bar: the tune's last chord and note held together, with a crash.
  void Ending(int tick, int transpose) {
    const TuneChord& last_chord = chords_.back();
    const TuneNote& last_note = notes_.back();
    Chord(tick, last_chord, transpose, 60, bar_ticks_);
    Note(Bass(), kBassChannel, tick, BassRoot(last_chord, transpose), 90, bar_ticks_);
    Note(Lead(), kLeadChannel, tick, last_note.pitch + transpose, 90, bar_ticks_);
    Note(Second(), kSecondChannel, tick, last_note.pitch + transpose + song_.second_octave, 80, bar_ticks_);
    Note(Kit(), kDrumChannel, tick, kKick, 90, kStepTicks);
    Note(Kit(), kDrumChannel, tick, kCrash, 90, bar_ticks_);
  }

  const Song& song_;
  const int bar_ticks_;
  const std::vector<TuneNote> notes_;
  const std::vector<TuneChord> chords_;
  const int tune_ticks_;
  std::vector<MidiTrack> tracks_;
};

}  // namespace

ArrangedSong Arrange(const Song& song) {
  return Arranger(song).Write();
}

}  // namespace soundgen
