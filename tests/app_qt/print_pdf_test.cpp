// PRINT on the toolkit's printer, into a PDF file that poppler renders back to pixels: the
// picture lands where the placement formulas put it, in the printable area of a real page.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QPageLayout>
#include <QPrinter>
#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

#include "core/state.h"
#include "pictures/printing.h"
#include "platform/platform.h"
#include "platform/qt_internal.h"

namespace pd {
namespace {

struct Image {
  int width = 0, height = 0;
  std::vector<unsigned char> rgb;
  gdi::COLORREF At(int x, int y) const {
    const unsigned char* p = &rgb[3 * (static_cast<std::size_t>(y) * width + x)];
    return gdi::RGB(p[0], p[1], p[2]);
  }
};

Image ReadPpm(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  int max = 0;
  Image image;
  in >> magic >> image.width >> image.height >> max;
  in.get();
  image.rgb.resize(3 * static_cast<std::size_t>(image.width) * image.height);
  in.read(reinterpret_cast<char*>(image.rgb.data()), static_cast<std::streamsize>(image.rgb.size()));
  if (magic != "P6" || max != 255 || !in) image = {};
  return image;
}

bool Near(gdi::COLORREF a, gdi::COLORREF b) {
  return std::abs(gdi::GetRValue(a) - gdi::GetRValue(b)) < 40 &&
         std::abs(gdi::GetGValue(a) - gdi::GetGValue(b)) < 40 &&
         std::abs(gdi::GetBValue(a) - gdi::GetBValue(b)) < 40;
}

constexpr int kRenderDpi = 100;
constexpr gdi::COLORREF kGreen = gdi::RGB(0, 160, 0), kRed = gdi::RGB(255, 0, 0), kBlue = gdi::RGB(0, 0, 255),
                        kWhite = gdi::RGB(255, 255, 255);

struct Placement {
  int mode, x, y, size;
};

// The program's canvas on the toolkit: green, with a red top-left and a blue bottom-right corner
// of the printed part (the last two columns and rows are not printed).
class PrintOnQt : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "print_pdf_test";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<platform::Application>(argc, argv);
  }
  static void TearDownTestSuite() { app_.reset(); }
  void SetUp() override {
    char pattern[] = "/tmp/pd-print-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    canvas_.SetBounds(0, 0, 402, 302);
    CanvasWindow = &canvas_;
    CanvasWidth = 402;
    CanvasHeight = 302;
    gdi::HDC dc = platform::GetDC(canvas_);
    gdi::FillRect(dc, {0, 0, 402, 302}, gdi::CreateSolidBrush(kGreen));
    gdi::FillRect(dc, {0, 0, 40, 30}, gdi::CreateSolidBrush(kRed));
    gdi::FillRect(dc, {360, 270, 400, 300}, gdi::CreateSolidBrush(kBlue));
    platform::ReleaseDC(canvas_, dc);
    platform::SetDialogs(&dialogs_);
  }
  void TearDown() override {
    platform::CurrentPrinting().SetOutputFile("");
    platform::SetDialogs(nullptr);
    CanvasWindow = nullptr;
    std::filesystem::remove_all(dir_);
  }
  void Print(const std::string& pdf, const Placement& p) {
    platform::CurrentPrinting().SetOutputFile(pdf);
    PrintX = p.x;
    PrintY = p.y;
    PrintMode = p.mode;
    PrintSize = p.size;
    PrintPicture();
  }
  static inline std::unique_ptr<platform::Application> app_;
  platform::Form form_;
  platform::Window canvas_{&form_};
  platform::ScriptedDialogs dialogs_;
  std::string dir_;
};

class PrintPdf : public PrintOnQt, public ::testing::WithParamInterface<Placement> {};

TEST_P(PrintPdf, ThePictureLandsWhereThePlacementPutsItOnThePage) {
  if (std::system("command -v pdftoppm >/dev/null 2>&1") != 0) GTEST_SKIP() << "pdftoppm is not installed";
  const Placement p = GetParam();
  const std::string pdf = dir_ + "/page.pdf";
  Print(pdf, p);
  ASSERT_TRUE(dialogs_.asked.empty()) << dialogs_.asked[0].text;

  // Where the picture belongs, in the printer's pixels and then in the rendering's.
  QPrinter& printer = platform::qt::ProgramPrinter();
  const int dpi = printer.resolution();
  const QRect paper = printer.pageLayout().fullRectPixels(dpi),
              printable = printer.pageLayout().paintRectPixels(dpi);
  EXPECT_EQ(p.mode == 3, paper.height() > paper.width());
  const gdi::RECT r = PrintedPictureRect(printable.width(), printable.height(), p.mode, p.x, p.y, p.size);
  const double k = static_cast<double>(kRenderDpi) / dpi;
  const int left = static_cast<int>((printable.left() + r.left) * k + 0.5),
            top = static_cast<int>((printable.top() + r.top) * k + 0.5),
            right = static_cast<int>((printable.left() + r.right) * k + 0.5),
            bottom = static_cast<int>((printable.top() + r.bottom) * k + 0.5);

  const std::string render =
      "pdftoppm -r " + std::to_string(kRenderDpi) + " -singlefile " + pdf + " " + dir_ + "/page";
  ASSERT_EQ(std::system(render.c_str()), 0);
  const Image page = ReadPpm(dir_ + "/page.ppm");
  ASSERT_GT(page.width, 0);
  EXPECT_NEAR(page.width, paper.width() * k, 1.5);
  EXPECT_NEAR(page.height, paper.height() * k, 1.5);
  // The picture is everything that is not white.
  int x0 = page.width, y0 = page.height, x1 = -1, y1 = -1;
  for (int y = 0; y < page.height; ++y)
    for (int x = 0; x < page.width; ++x)
      if (!Near(page.At(x, y), kWhite)) {
        x0 = std::min(x0, x);
        y0 = std::min(y0, y);
        x1 = std::max(x1, x + 1);
        y1 = std::max(y1, y + 1);
      }
  EXPECT_NEAR(x0, left, 1);
  EXPECT_NEAR(y0, top, 1);
  EXPECT_NEAR(x1, right, 1);
  EXPECT_NEAR(y1, bottom, 1);
  EXPECT_TRUE(Near(page.At(x0 + 2, y0 + 2), kRed));
  EXPECT_TRUE(Near(page.At(x1 - 3, y1 - 3), kBlue));
  EXPECT_TRUE(Near(page.At((x0 + x1) / 2, (y0 + y1) / 2), kGreen));

  std::array<char, 256> line{};
  std::string info;
  FILE* pipe = popen(("pdfinfo " + pdf + " 2>/dev/null").c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  while (fgets(line.data(), line.size(), pipe)) info += line.data();
  pclose(pipe);
  EXPECT_NE(info.find("Pindoodle"), std::string::npos) << info;
  EXPECT_NE(info.find("Pages:           1"), std::string::npos) << info;
}

TEST_F(PrintOnQt, APrinterThatCannotTakeTheJobIsSaidAndTheCanvasStays) {
  Print(dir_ + "/no such folder/page.pdf", {3, 10, 10, 50});
  ASSERT_EQ(dialogs_.asked.size(), 1u);
  EXPECT_EQ(dialogs_.asked[0].caption, "Pindoodle");
  EXPECT_FALSE(dialogs_.asked[0].text.empty());
  EXPECT_FALSE(std::filesystem::exists(dir_ + "/no such folder"));
  gdi::HDC dc = platform::GetDC(canvas_);
  EXPECT_EQ(gdi::GetPixel(dc, 200, 150), kGreen);
  platform::ReleaseDC(canvas_, dc);
}

// Size 95 in portrait at (10, 10) spans 95 % of the printable width from about 5 % in; sideways
// the picture sits further in and fills most of the width.
INSTANTIATE_TEST_SUITE_P(Orientations, PrintPdf,
                         ::testing::Values(Placement{3, 10, 10, 95}, Placement{4, 60, 30, 70}),
                         [](const auto& param_info) {
                           return param_info.param.mode == 3 ? "Portrait" : "Landscape";
                         });

}  // namespace
}  // namespace pd
