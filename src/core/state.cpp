#include "core/state.h"

#include <chrono>

namespace pd {

namespace {
// A 32-bit linear congruential generator: small, fast, and the same sequence on every machine,
// so that scripted gestures with a fixed seed give the same picture everywhere.
std::uint32_t g_seed = 0;
}  // namespace

void Randomize() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  g_seed = static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

void RandSeed(std::uint32_t seed) {
  g_seed = seed;
}

int Random(int n) {
  if (n <= 0) return 0;
  g_seed = g_seed * 134775813u + 1u;
  return static_cast<int>((static_cast<std::uint64_t>(g_seed) * static_cast<std::uint32_t>(n)) >> 32);
}

void ResetSharedState() {
  CurrentColour = PaletteColours[kRedIndex];
  ColourRow = 9;
  ColourShade = 5;
  CurrentCategory = 1;
  CurrentTool = 1;
  PenSize = 2;
  FillStyle = 1;
  LightDirection = 2;
  LastX = LastY = AnchorX = AnchorY = 0;
  ButtonHeld = false;
  TypingActive = false;
  SelectionActive = false;
  AnimationBusy = false;
  SoundOn = true;
  MusicOn = true;
  MusicPlaying = false;
  DialogResult = false;
  ColorbookMode = false;
  ChooserMode = 0;
  TextAngle = 45;
  FontName = "Arial";
  TextBuffer.fill(0);
  CurrentPictureName.clear();
  ChosenFile.clear();
  IconFrame = 0;
  IconFrameDown = false;
  FirstPaint = true;
  RainbowColours = false;
  ObjectKind = 3;
  GrassKind = 2;
  SprayMode = 1;
  RibbonKind = 1;
  FishKind = 1;
  StarKind = 1;
  CubeSize = 3;
  CubeShade = 2;
  ShadowDirection = 2;
  ExplodeDirection = 2;
  PixellateMode = 1;
  LightenDarkenMode = 2;
  SizeControlMode = 1;
  FlipMode = 4;
  NibDirection = 1;
  MirrorKind = 2;
  QuillKind = 1;
  RollerKind = 4;
  TriangleKind = 1;
  TrapezoidKind = 1;
  ParallelogramKind = 4;
  StrokeStarted = false;
  ShadeTriple = {95, 94, 93};  // row 9, shade 5: the start-up red
  ShapePointCount = 0;
  StampSheet.reset();
  StampWork.reset();
  StampWidth = StampHeight = 0;
  LargeStampKind = 0;
  StampIcon.reset();
  StampNumber = 20;
}

}  // namespace pd
