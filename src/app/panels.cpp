#include "app/panels.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/assets.h"
#include "core/canvas.h"
#include "tools/fills.h"

namespace pd {

using namespace gdi;

namespace {

// The option values that have a strip: the strip of value values[i] starts at row 50 * i.
// A value that is not listed shows the first strip.
int StripOf(int value, std::initializer_list<int> values) {
  int row = 0;
  for (int v : values) {
    if (v == value) return row;
    row += 50;
  }
  return 0;
}

// The light panel has one picture per direction rather than strips.
std::string LightPanelFile(int direction) {
  static constexpr std::pair<int, const char*> kFiles[] = {{2, "a43.kvr"}, {3, "a44.kvr"}, {4, "a45.kvr"},
                                                           {8, "a46.kvr"}, {7, "a47.kvr"}, {6, "a48.kvr"},
                                                           {5, "a49.kvr"}, {9, "a50.kvr"}};
  for (const auto& [value, file] : kFiles)
    if (value == direction) return file;
  return {};
}

// The 26-point figure of the fill-style preview and its bounding box. The first and last points
// coincide: the outline is closed by its own points as well as by Polygon.
constexpr std::array<POINT, 26> kPreviewShape = {{
    {19, 299}, {19, 300}, {22, 304}, {21, 306}, {17, 311}, {15, 316}, {16, 322}, {19, 325}, {24, 324},
    {28, 319}, {31, 318}, {41, 322}, {52, 325}, {57, 324}, {60, 321}, {59, 317}, {61, 314}, {64, 311},
    {65, 308}, {63, 305}, {57, 302}, {44, 303}, {32, 304}, {26, 303}, {20, 299}, {19, 299},
}};
constexpr RECT kPreviewBox = {15, 299, 65, 325};
// A polygon region kind of the fill helpers (IRREGULAR SHAPE's): the region is the polygon of
// ShapePoints.
constexpr int kPreviewRegionKind = 39;

// The region fills of the gradients and textures paint on the canvas window through the polygon
// in ShapePoints. For the preview both are lent for the duration of one fill: the main window
// stands in for the canvas and the preview figure for the shape's points. Whatever a shape tool
// keeps in ShapePoints between two of its steps (the parallelogram's first box) is given back.
class PreviewFillTarget {
 public:
  PreviewFillTarget() : canvas_(CanvasWindow), count_(ShapePointCount) {
    std::copy_n(ShapePoints.begin(), kPreviewShape.size(), kept_.begin());
    std::copy(kPreviewShape.begin(), kPreviewShape.end(), ShapePoints.begin());
    ShapePointCount = static_cast<int>(kPreviewShape.size());
    CanvasWindow = MainWindow;
  }
  ~PreviewFillTarget() {
    CanvasWindow = canvas_;
    std::copy(kept_.begin(), kept_.end(), ShapePoints.begin());
    ShapePointCount = count_;
  }
  PreviewFillTarget(const PreviewFillTarget&) = delete;
  PreviewFillTarget& operator=(const PreviewFillTarget&) = delete;

 private:
  platform::Window* canvas_;
  int count_;
  std::array<POINT, kPreviewShape.size()> kept_;
};

// The preview figure in the current fill style and colour, over the panel's picture.
void DrawFillPreview() {
  const COLORREF colour = CurrentColour | kPaletteRelative;
  if (FillStyle >= kFirstGradientStyle && FillStyle < kFillStyleCount) {
    PreviewFillTarget target;
    const RECT& b = kPreviewBox;
    if (FillStyle < kFirstTextureStyle)
      GradientFillShape(kPreviewRegionKind, b.left, b.top, b.right, b.bottom, 0, 0);
    else
      TextureFillShape(kPreviewRegionKind, b.left, b.top, b.right, b.bottom, 0, 0);
  }
  // The brush styles fill and outline in one Polygon; the gradients and textures get the same
  // one-pixel outline around the region they filled.
  HBRUSH brush = FillStyle < kFirstGradientStyle ? MakeFillBrush(FillStyle, colour)
                                                 : CreateBrushIndirect(LOGBRUSH{BS_HOLLOW, colour, 0});
  WindowCanvas canvas(MainWindow);
  const HDC& dc = canvas.dc();
  SelectObject(dc, CreatePen(PS_SOLID, 1, colour));
  SelectObject(dc, brush);
  if (FillStyle < kFirstPatternStyle) SetBkMode(dc, TRANSPARENT);
  Polygon(dc, kPreviewShape.data(), static_cast<int>(kPreviewShape.size()));
  SetBkMode(dc, OPAQUE);
}

}  // namespace

int PenSizeMarkerX(int size) {
  static constexpr int kMarkerX[9] = {2, 8, 14, 21, 29, 37, 46, 55, 66};
  return kMarkerX[std::clamp(size, 1, 9) - 1];
}

PanelPlacement PanelPlacementOf(PanelBit panel) {
  switch (panel) {
    case kPenSizePanel:
      return {"a28.kvr", 230, 79, 38, 0};
    case kCubeSizePanel: {
      const int size = std::clamp(CubeSize, 1, 10);
      return {"a" + std::to_string(80 - size) + ".kvr", 230, 80, 50, 0};
    }
    case kLightPanel:
      return {LightPanelFile(LightDirection), 230, 80, 80, 0};
    case kObjectPanel:
      return {"a19.kvr", 230, 80, 50, StripOf(ObjectKind, {3, 1, 2})};
    case kRibbonPanel:
      return {"a18.kvr", 230, 80, 50, StripOf(RibbonKind, {1, 2, 3})};
    case kGrassPanel:
      return {"a14.kvr", 230, 80, 50, StripOf(GrassKind, {1, 2, 3})};
    case kFlipPanel:
      return {"a13.kvr", 230, 80, 50, FlipMode == 4 ? 0 : 50};
    case kPixellatePanel:
      return {"a8.kvr", 230, 80, 50, PixellateMode == 1 ? 0 : 50};
    case kLightenPanel:
      return {"a23.kvr", 230, 80, 50, LightenDarkenMode == 1 ? 0 : 50};
    case kQuillPanel:
      return {"a16.kvr", 230, 80, 50, QuillKind == 1 ? 0 : 50};
    case kFontPanel:
      return {"a84.kvr", 280, 79, 50, 0};
    case kFillStylePanel:
      return {"a3.kvr", 280, 79, 330, 0};
    case kCubeColourPanel:
      return {"a20.kvr", 280, 80, 50, StripOf(CubeShade, {2, 4, 5, 7})};
    case kSizePanel:
      return {"a9.kvr", 280, 80, 50, SizeControlMode == 1 ? 0 : 50};
    case kMirrorPanel:
      return {"a7.kvr", 280, 80, 50, StripOf(MirrorKind, {2, 1, 3})};
    case kSprayPanel:
      return {"a10.kvr", 280, 80, 50, SprayMode == 1 ? 0 : 50};
    case kFishPanel:
      return {"a15.kvr", 280, 80, 50, FishKind == 1 ? 0 : 50};
    case kNibPanel:
      return {"a4.kvr", 281, 80, 50, StripOf(NibDirection, {1, 2, 4, 3})};
    case kRollerPanel:
      return {"a6.kvr", 281, 80, 50, RollerKind == 4 ? 50 : 0};
    case kRainbowPanel:
      return {"a17.kvr", 330, 80, 50, RainbowColours ? 0 : 50};
    case kShadowPanel:
      return {"a21.kvr", 330, 80, 50, StripOf(ShadowDirection, {2, 3, 4, 5, 6, 7})};
    case kExplodePanel:
      return {"a24.kvr", 330, 80, 50, ExplodeDirection == 1 ? 0 : 50};
    case kStarPanel:
      return {"a12.kvr", 330, 80, 50, StarKind == 1 ? 0 : 50};
    case kParallelogramPanel:
      return {"a11.kvr", 330, 80, 50, ParallelogramKind == 3 ? 0 : 50};
    case kTrapezoidPanel:
      return {"a2.kvr", 330, 80, 50, TrapezoidKind == 1 ? 0 : 50};
    case kTrianglePanel:
      return {"a5.kvr", 330, 80, 50, StripOf(TriangleKind, {1, 2, 3})};
  }
  return {};
}

void DrawPanel(PanelBit panel) {
  const PanelPlacement at = PanelPlacementOf(panel);
  if (at.file.empty()) return;
  // The picture is read before the window's DC is taken, so that the message of a missing file
  // never shows while the DC is held.
  HBITMAP picture = LoadAssetBitmap(at.file);
  if (!picture) return;
  {
    WindowCanvas canvas(MainWindow);
    const HDC& dc = canvas.dc();
    BitmapCanvas src(picture);
    if (panel == kPenSizePanel) {
      // The marker row under the sizes is cleared before the marker is put at the new size.
      FillBlack(dc, 0, 269, 80, 280);
    }
    BitBlt(dc, 0, at.y, at.width, at.height, src.dc(), 0, at.source_y, SRCCOPY);
    if (panel == kPenSizePanel) BitBlt(dc, PenSizeMarkerX(PenSize), 269, 11, 9, src.dc(), 2, 39, SRCCOPY);
  }
  if (panel == kFillStylePanel) DrawFillPreview();
}

void DrawFillStylePanel() {
  DrawPanel(kFillStylePanel);
}

void ClearOptionArea() {
  WindowCanvas canvas(MainWindow);
  FillBlack(canvas.dc(), 0, 230, 80, 483);
}

void DrawOptionPanels() {
  ClearOptionArea();
  for (PanelBit panel : kPanelPaintOrder)
    if (*PanelShownFlag(panel)) DrawPanel(panel);
}

void DrawFirstPaintPanels() {
  // Without the flags the panels would be pictures only: presses on them would do nothing and
  // the next paint would take them away while the PENCIL is still the tool.
  PenSizePanelShown = RainbowPanelShown = true;
  DrawPanel(kPenSizePanel);
  DrawPanel(kRainbowPanel);
}

}  // namespace pd
