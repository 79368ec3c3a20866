// The tune notation: every song is written in it, so a misread pitch or length would put wrong
// notes into all twenty songs, and a bar of the wrong length must stop the build rather than
// shift the rest of the tune against its chords.
#include "artwork/sounds/notation.h"

#include <stdexcept>

#include <gtest/gtest.h>

namespace {

using soundgen::ParseChords;
using soundgen::ParseMelody;
using soundgen::TuneNote;

constexpr int kEighth = soundgen::kTicksPerEighth;
constexpr int kBar44 = 8 * kEighth;
constexpr int kBar68 = 6 * kEighth;

TEST(TuneNotation, PitchesFollowLettersAccidentalsAndOctaveMarks) {
  const auto notes = ParseMelody("C D E F G A B c | C, c' ^F _B =E ^^C z2", kBar44);
  const int expected[] = {60, 62, 64, 65, 67, 69, 71, 72, 48, 84, 66, 70, 64, 62};
  ASSERT_EQ(notes.size(), std::size(expected));
  for (std::size_t i = 0; i < notes.size(); ++i) EXPECT_EQ(notes[i].pitch, expected[i]) << "note " << i;
}

TEST(TuneNotation, LengthsAreInEighthsWithFractionsAndRestsLeaveGaps) {
  const auto notes = ParseMelody("G3/2 A/ z G2 A/4 B/4 z/ C2", kBar44);
  ASSERT_EQ(notes.size(), 6u);
  const int starts[] = {0, 360, 720, 1200, 1260, 1440};
  const int lengths[] = {360, 120, 480, 60, 60, 480};
  for (std::size_t i = 0; i < notes.size(); ++i) {
    EXPECT_EQ(notes[i].start, starts[i]) << "note " << i;
    EXPECT_EQ(notes[i].length, lengths[i]) << "note " << i;
  }
}

TEST(TuneNotation, BarsFollowTheMetre) {
  const auto notes = ParseMelody("C3 C3 | C2 D E3", kBar68);
  ASSERT_EQ(notes.size(), 5u);
  EXPECT_EQ(notes[2].start, kBar68);
  EXPECT_EQ(notes.back().start + notes.back().length, 2 * kBar68);
}

TEST(TuneNotation, MalformedMelodiesAreRejected) {
  EXPECT_THROW(ParseMelody("C2 D2 E2 | C8", kBar44), std::invalid_argument);     // short bar
  EXPECT_THROW(ParseMelody("C8 | C2 D8", kBar44), std::invalid_argument);        // long bar
  EXPECT_THROW(ParseMelody("C2 D2 E2 C2 | C3", kBar68), std::invalid_argument);  // 4/4 bar in 6/8
  EXPECT_THROW(ParseMelody("H8", kBar44), std::invalid_argument);
  EXPECT_THROW(ParseMelody("^8", kBar44), std::invalid_argument);
  EXPECT_THROW(ParseMelody("C0 C8", kBar44), std::invalid_argument);
  EXPECT_THROW(ParseMelody("C/3 C8", kBar44), std::invalid_argument);  // not a whole number of ticks
  EXPECT_THROW(ParseMelody("C8x", kBar44), std::invalid_argument);
}

TEST(TuneNotation, ChordsShareTheirBarUnlessGivenALength) {
  const auto chords = ParseChords("C | F C | G7:2 C:6 | Am Bb Dm7 F#m", kBar44);
  ASSERT_EQ(chords.size(), 9u);
  EXPECT_EQ(chords[0].start, 0);
  EXPECT_EQ(chords[0].length, kBar44);
  EXPECT_EQ(chords[2].start, kBar44 + kBar44 / 2);
  EXPECT_EQ(chords[3].length, 2 * kEighth);
  EXPECT_EQ(chords[4].start, 2 * kBar44 + 2 * kEighth);
  EXPECT_EQ(chords[4].length, 6 * kEighth);
  for (std::size_t i = 5; i < 9; ++i) EXPECT_EQ(chords[i].length, kBar44 / 4);

  EXPECT_EQ(chords[1].root, 5);
  EXPECT_EQ(chords[3].intervals, (std::vector<int>{0, 4, 7, 10}));
  EXPECT_EQ(chords[5].root, 9);
  EXPECT_EQ(chords[5].intervals, (std::vector<int>{0, 3, 7}));
  EXPECT_EQ(chords[6].root, 10);
  EXPECT_EQ(chords[7].intervals, (std::vector<int>{0, 3, 7, 10}));
  EXPECT_EQ(chords[8].root, 6);
}

TEST(TuneNotation, MalformedChordLinesAreRejected) {
  EXPECT_THROW(ParseChords("C:4", kBar44), std::invalid_argument);      // leaves half the bar empty
  EXPECT_THROW(ParseChords("C:6 G:4", kBar44), std::invalid_argument);  // overfills the bar
  EXPECT_THROW(ParseChords("Cx", kBar44), std::invalid_argument);
  EXPECT_THROW(ParseChords("H", kBar44), std::invalid_argument);
}

}  // namespace
