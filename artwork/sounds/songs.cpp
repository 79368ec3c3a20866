// The tunes are traditional children's songs and dances, written down here from the old
// melodies; harmonies, instruments and arrangements are our own. Each is written in a simple
// key and transposed when played, so that the twenty songs do not all sit in C.
#include "songs.h"

namespace soundgen {

namespace {

// General MIDI programs used below, counted from 0.
enum Program {
  kPiano = 0,
  kBrightPiano = 1,
  kHonkyTonk = 3,
  kElectricPiano = 4,
  kHarpsichord = 6,
  kCelesta = 8,
  kGlockenspiel = 9,
  kMusicBox = 10,
  kVibraphone = 11,
  kMarimba = 12,
  kXylophone = 13,
  kAccordion = 21,
  kHarmonica = 22,
  kNylonGuitar = 24,
  kSteelGuitar = 25,
  kAcousticBass = 32,
  kFingerBass = 33,
  kFretlessBass = 35,
  kViolin = 40,
  kPizzicato = 45,
  kHarp = 46,
  kStrings = 48,
  kTrumpet = 56,
  kTrombone = 57,
  kTuba = 58,
  kFrenchHorn = 60,
  kOboe = 68,
  kClarinet = 71,
  kPiccolo = 72,
  kFlute = 73,
  kRecorder = 74,
  kPanFlute = 75,
  kOcarina = 79,
  kBanjo = 105,
  kKalimba = 108,
  kFiddle = 110,
};

constexpr int kC = 0;
constexpr int kG = 7;

}  // namespace

const std::vector<Song>& Songs() {
  static const std::vector<Song> songs = {
      {"Twinkle, Twinkle, Little Star", Metre::kFourFour, kC,
       "C2 C2 G2 G2 | A2 A2 G4 | F2 F2 E2 E2 | D2 D2 C4 |"
       "G2 G2 F2 F2 | E2 E2 D4 | G2 G2 F2 F2 | E2 E2 D4 |"
       "C2 C2 G2 G2 | A2 A2 G4 | F2 F2 E2 E2 | D2 D2 C4",
       "C | F C | F C | G7 C | C F | C G | C F | C G | C | F C | F C | G7 C", 1, 100, 0, kCelesta, kFlute,
       kHarp, kAcousticBass, 12, Comping::kArpeggio, Groove::kSoft, false, 110, 98},

      {"Mary Had a Little Lamb", Metre::kFourFour, kC,
       "E2 D2 C2 D2 | E2 E2 E4 | D2 D2 D4 | E2 G2 G4 |"
       "E2 D2 C2 D2 | E2 E2 E2 E2 | D2 D2 E2 D2 | C8",
       "C | C | G | C | C | C | G | C", 2, 126, 5, kMarimba, kXylophone, kNylonGuitar, kAcousticBass, 12,
       Comping::kOffbeat, Groove::kPop, false, 95, 115},

      {"Old MacDonald Had a Farm", Metre::kFourFour, kG,
       "G2 G2 G2 D2 | E2 E2 D4 | B2 B2 A2 A2 | G6 D2 |"
       "G2 G2 G2 D2 | E2 E2 D4 | B2 B2 A2 A2 | G6 D D |"
       "G2 G2 G2 D D | G2 G2 G4 | G G G2 G G G2 | G G G G G2 G2 |"
       "G2 G2 G2 D2 | E2 E2 D4 | B2 B2 A2 A2 | G8",
       "G | C G | G D7 | G | G | C G | G D7 | G | G | G | G | G | G | C G | G D7 | G", 1, 132, 0, kBanjo,
       kHarmonica, kAccordion, kTuba, 0, Comping::kOffbeat, Groove::kCountry, false, 115, 99},

      {"London Bridge", Metre::kFourFour, kC,
       "G3/2 A/2 G F E F G2 | D E F2 E F G2 | G3/2 A/2 G F E F G2 | D2 G2 E2 C2 |"
       "G3/2 A/2 G F E F G2 | D E F2 E F G2 | G3/2 A/2 G F E F G2 | D2 G2 E2 C2",
       "C | G7 C | C | G7 C | C | G7 C | C | G7 C", 2, 116, 2, kXylophone, kPiccolo, kPiano, kFingerBass, 0,
       Comping::kOffbeat, Groove::kMarch, false, 100, 104},

      {"Row, Row, Row Your Boat", Metre::kSixEight, kC,
       "C3 C3 | C2 D E3 | E2 D E2 F | G6 | c c c G G G | E E E C C C | G2 F E2 D | C6",
       "C | C | C | C | C | C | G7 | C", 2, 66, 3, kFlute, kClarinet, kHarp, kFretlessBass, 0,
       Comping::kArpeggio, Groove::kSix, true, 100, 83},

      {"Brother John", Metre::kFourFour, kC,
       "C2 D2 E2 C2 | C2 D2 E2 C2 | E2 F2 G4 | E2 F2 G4 |"
       "G A G F E2 C2 | G A G F E2 C2 | C2 G,2 C4 | C2 G,2 C4",
       "C | C | C | C | C | C | C | C", 2, 112, 5, kVibraphone, kOboe, kElectricPiano, kFingerBass, 0,
       Comping::kPad, Groove::kSoft, true, 110, 78},

      {"Yankee Doodle", Metre::kFourFour, kG,
       "G G A B G B A D | G G A B G2 ^F2 | G G A B c B A G | ^F D E ^F G2 G2 |"
       "e ^f e d e ^f g2 | d e d c B2 d2 | e ^f e d e ^f g e | d g ^f a g2 g2",
       "G | G D | G C | D7 G | C G | D7 G | C | D7 G", 1, 120, 0, kPiccolo, kTrumpet, kPiano, kTuba, -12,
       Comping::kOffbeat, Groove::kMarch, false, 95, 86},

      {"Oh! Susanna", Metre::kFourFour, kC,
       "E2 G2 G3 A | G2 E2 C3 D | E2 E2 D2 C2 | D6 C D |"
       "E2 G2 G3 A | G2 E2 C3 D | E2 E2 D2 D2 | C6 z2 |"
       "F4 A4 | A2 G2 G2 E2 | C2 D6 | z4 C2 D2 |"
       "E2 G2 G3 A | G2 E2 C3 D | E2 E2 D2 D2 | C8",
       "C | C | C | G | C | C | C G | C | F | F C | G | G | C | C | C G | C", 1, 120, 2, kHarmonica, kFiddle,
       kSteelGuitar, kAcousticBass, 0, Comping::kOffbeat, Groove::kCountry, false, 120, 87},

      {"Pop Goes the Weasel", Metre::kSixEight, kC,
       "C2 C D2 D | E G E C3 | C2 C D2 D | E3 C3 | C2 C D2 D | E G E C3 | A3 D2 F | E3 C3",
       "C | C | C G7 | C | C | C | F G7 | C", 2, 92, 5, kGlockenspiel, kClarinet, kPizzicato, kAcousticBass,
       -12, Comping::kRocking, Groove::kSix, false, 95, 105},

      {"This Old Man", Metre::kFourFour, kC,
       "G2 E2 G4 | G2 E2 G4 | A2 G2 F2 E2 | D2 E2 F4 |"
       "E F G2 C2 C C | C C D E F2 G2 | G2 D2 D2 F2 | E2 D2 C4",
       "C | C | F C | G7 | C | C G7 | G7 | C", 2, 112, 7, kOcarina, kMarimba, kNylonGuitar, kFingerBass, 0,
       Comping::kArpeggio, Groove::kPop, false, 100, 72},

      {"Jingle Bells", Metre::kFourFour, kC,
       "G,2 E2 D2 C2 | G,6 G, G, | G,2 E2 D2 C2 | A,8 | A,2 F2 E2 D2 | B,8 | G2 G2 F2 D2 | E8 |"
       "G,2 E2 D2 C2 | G,8 | G,2 E2 D2 C2 | A,6 A,2 | A,2 F2 E2 D2 | G2 G2 G2 G2 | A2 G2 F2 D2 | C6 z2 |"
       "E2 E2 E4 | E2 E2 E4 | E2 G2 C3 D | E8 | F2 F2 F3 F | F2 E2 E2 E E | E2 D2 D2 E2 | D4 G4 |"
       "E2 E2 E4 | E2 E2 E4 | E2 G2 C3 D | E8 | F2 F2 F3 F | F2 E2 E2 E E | G2 G2 F2 D2 | C8",
       "C | C | C | F | F | G | G7 | C | C | C | C | F | F | G | G7 | C |"
       "C | C | C | C | F | C | D7 | G7 | C | C | C | C | F | C | G7 | C",
       1, 132, 7, kMusicBox, kFrenchHorn, kPiano, kAcousticBass, -12, Comping::kOffbeat, Groove::kJingle,
       false, 125, 88},

      {"Ode to Joy", Metre::kFourFour, kC,
       "E2 E2 F2 G2 | G2 F2 E2 D2 | C2 C2 D2 E2 | E3 D D4 |"
       "E2 E2 F2 G2 | G2 F2 E2 D2 | C2 C2 D2 E2 | D3 C C4 |"
       "D2 D2 E2 C2 | D2 E F E2 C2 | D2 E F E2 D2 | C2 D2 G,4 |"
       "E2 E2 F2 G2 | G2 F2 E2 D2 | C2 C2 D2 E2 | D3 C C4",
       "C | G | C | C G | C | G | C | G C | G C | G7 C | G7 C | C G | C | G | C | G C", 1, 108, 2, kTrumpet,
       kViolin, kStrings, kAcousticBass, 12, Comping::kPad, Groove::kPop, false, 110, 84},

      {"Skip to My Lou", Metre::kFourFour, kC,
       "E2 C C C2 E G | D2 B, B, B,2 D F | E2 C C C2 E G | D E F E D2 C2 |"
       "E2 C2 E2 G2 | D2 B,2 D2 F2 | E2 C2 E2 G2 | D E F E D2 C2",
       "C | G7 | C | G7 C | C | G7 | C | G7 C", 2, 132, 7, kFiddle, kAccordion, kNylonGuitar, kAcousticBass,
       0, Comping::kOffbeat, Groove::kCountry, false, 95, 86},

      {"Camptown Races", Metre::kFourFour, kC,
       "G G E G A G E2 | E D3 E D3 | G G E G A G E2 | D2 E D C4 |"
       "C3/2 C/2 E G c4 | A3/2 A/2 c A G4 | G G E E G G A G | E D2 E D C3",
       "C | G7 | C | G7 C | C | F C | C | G7 C", 2, 136, 5, kHonkyTonk, kBanjo, kSteelGuitar, kTuba, 0,
       Comping::kOffbeat, Groove::kCountry, false, 105, 97},

      {"The Farmer in the Dell", Metre::kSixEight, kC,
       "G,2 C C2 C | C3 z2 C | D2 D D2 D | D3 z2 G, | E3 E2 F | G3 G3 | G2 A G2 F | E2 D C3",
       "C | C | G7 | G7 | C | C | C G7 | C", 2, 100, 7, kClarinet, kFlute, kAccordion, kAcousticBass, 12,
       Comping::kRocking, Groove::kSix, false, 95, 82},

      {"Three Blind Mice", Metre::kSixEight, kC,
       "E3 D3 | C6 | E3 D3 | C6 | G3 F2 F | E6 | G3 F2 F | E3 z2 G |"
       "c2 c B A B | c2 G G2 G | c2 c B A B | c2 G G2 G | c2 c B A B | c2 G G2 F | E3 D3 | C6",
       "C G7 | C | C G7 | C | G7 | C | G7 | C | C G | C | C G | C | C G | C G7 | C G7 | C", 2, 96, 2,
       kPanFlute, kRecorder, kHarp, kFretlessBass, 0, Comping::kArpeggio, Groove::kSix, false, 100, 90},

      {"Au Clair de la Lune", Metre::kFourFour, kC,
       "C2 C2 C2 D2 | E4 D4 | C2 E2 D2 D2 | C8 | C2 C2 C2 D2 | E4 D4 | C2 E2 D2 D2 | C8 |"
       "D2 D2 D2 D2 | A,4 A,4 | D2 C2 B,2 A,2 | G,8 | C2 C2 C2 D2 | E4 D4 | C2 E2 D2 D2 | C8",
       "C | C G | C G | C | C | C G | C G | C | G | D7 | D7 | G | C | C G | C G | C", 1, 100, 5, kRecorder,
       kKalimba, kNylonGuitar, kAcousticBass, 12, Comping::kArpeggio, Groove::kSoft, false, 110, 84},

      {"When the Saints Go Marching In", Metre::kFourFour, kC,
       "z2 C2 E2 F2 | G8 | z2 C2 E2 F2 | G8 | z2 C2 E2 F2 | G4 E4 | C4 E4 | D8 |"
       "z2 E2 E2 D2 | C6 C2 | E4 G4 | G2 F6 | z2 E2 F2 G2 | E4 C4 | D8 | C8",
       "C | C | C | C | C | C | C | G7 | C | C | C7 | F | C | C | G7 | C", 1, 150, 10, kTrumpet, kTrombone,
       kPiano, kTuba, -12, Comping::kOffbeat, Groove::kSwing, false, 105, 90},

      {"Oh My Darling, Clementine", Metre::kThreeFour, kC,
       "C3/2 C/2 C2 G,2 | E3/2 E/2 E2 C2 | C3/2 E/2 G3 G | F E D4 |"
       "D3/2 E/2 F2 F2 | E3/2 D/2 E2 C2 | C3/2 E/2 D3 G, | B, D C4",
       "C | C | C | G | G7 | C | C:2 G7:4 | G7:2 C:4", 2, 132, 5, kAccordion, kHarmonica, kSteelGuitar,
       kAcousticBass, 0, Comping::kWaltz, Groove::kWaltz, false, 100, 91},

      {"Minuet in G", Metre::kThreeFour, kG,
       "d2 G A B c | d2 G2 G2 | e2 c d e ^f | g2 G2 G2 | c2 d c B A | B2 c B A G | ^F2 G A B G | A6 |"
       "d2 G A B c | d2 G2 G2 | e2 c d e ^f | g2 G2 G2 | c2 d c B A | B2 c B A G | A2 B A G ^F | G6",
       "G | G | C | G | C | G | D | D | G | G | C | G | C | G | D7 | G", 1, 120, 0, kHarpsichord, kFlute,
       kPizzicato, kAcousticBass, 0, Comping::kWaltz, Groove::kWaltz, false, 100, 98},
  };
  return songs;
}

}  // namespace soundgen
