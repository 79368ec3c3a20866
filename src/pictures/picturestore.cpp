#include "pictures/picturestore.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include "core/assets.h"
#include "core/canvas.h"
#include "core/datadir.h"
#include "core/snapshot.h"
#include "core/state.h"
#include "pictures/pictureset.h"
#include "pictures/prtquery.h"
#include "pictures/thumbs.h"
#include "platform/platform.h"

namespace pd {

namespace {

// Repaints the canvas panel from the snapshot after a modal window covered it.
void RepaintCanvas() {
  if (CanvasWindow) CanvasWindow->Invalidate();
  RestoreCanvasSnapshot();
}

enum class Choice { kNone, kCancelled, kChosen };

// Checks that the set of mode has pictures and lets the child pick one in the browser.
Choice ChooseFrom(int mode) {
  ChooserMode = mode;
  if (!PicturesAvailable()) return Choice::kNone;
  DialogResult = false;
  ShowThumbs();
  return DialogResult ? Choice::kChosen : Choice::kCancelled;
}

}  // namespace

namespace {

// The picture is what the child sees: the canvas panel's client area, inside its frame.
gdi::SIZE PictureSize() {
  if (CanvasWindow && CanvasWindow->Surface())
    return {CanvasWindow->ClientWidth(), CanvasWindow->ClientHeight()};
  return {CanvasWidth, CanvasHeight};
}

// A save that was killed half way leaves its hidden temporary file (".UP1234AB.BMP.x7Gq2z")
// behind; the next save clears away those over an hour old, which no save can still be writing.
void RemoveStaleSaves(const std::string& dir) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const auto limit = fs::file_time_type::clock::now() - std::chrono::hours(1);
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code entry_ec;
    if (MatchesNoCase(".UP*.BMP.??????", it->path().filename().string()) && it->is_regular_file(entry_ec) &&
        it->last_write_time(entry_ec) < limit && !entry_ec)
      fs::remove(it->path(), entry_ec);
  }
}

}  // namespace

bool LoadPictureToCanvas(const std::string& path) {
  std::string error;
  gdi::HBITMAP picture = gdi::LoadBmpFile(path, &error);
  if (!picture) {
    ShowMessage("Cannot open the picture: " + error, platform::MB_OK | platform::MB_ICONWARNING);
    return false;
  }
  WindowCanvas canvas(CanvasWindow);
  BitmapCanvas src(picture);
  const gdi::SIZE size = PictureSize();
  gdi::StretchBlt(canvas.dc(), 0, 0, size.cx, size.cy, src.dc(), 0, 0, picture->Width(), picture->Height(),
                  gdi::SRCCOPY);
  return true;
}

std::string NewPictureName() {
  std::string name = "UP";
  for (int i = 0; i < 6; ++i)
    name += Random(10) >= 5 ? static_cast<char>('0' + Random(10)) : static_cast<char>('A' + Random(26));
  return name + ".BMP";
}

std::string EncodePicture(const gdi::Bitmap& picture, std::string* error) {
  if (AppPalette) {
    std::string file = gdi::EncodeBmp8Exact(picture, AppPalette->entries);
    if (!file.empty()) return file;
  }
  return gdi::EncodeBmp24(picture, error);
}

gdi::HBITMAP CopyCanvas() {
  const gdi::SIZE size = PictureSize();
  if (size.cx <= 0 || size.cy <= 0) return nullptr;
  gdi::HBITMAP picture = gdi::CreateDIBSection32(size.cx, size.cy);
  if (!picture) return nullptr;
  WindowCanvas canvas(CanvasWindow);
  BitmapCanvas dst(picture);
  gdi::BitBlt(dst.dc(), 0, 0, size.cx, size.cy, canvas.dc(), 0, 0, gdi::SRCCOPY);
  return picture;
}

void OpenPicture() {
  const Choice choice = ChooseFrom(5);
  if (choice == Choice::kNone) return;
  // The canvas and the name change only when the picture could be read.
  if (choice == Choice::kChosen && LoadPictureToCanvas(ChosenFile)) {
    CurrentPictureName = ChosenFile;
    SaveCanvasSnapshot();
  }
  RepaintCanvas();
}

void SavePicture() {
  bool replacing = false;
  if (!CurrentPictureName.empty()) {
    DialogResult = false;
    SaveCanvasSnapshot();
    ShowSaveQuery();
    RepaintCanvas();
    replacing = DialogResult;
  }
  const std::string target = replacing ? CurrentPictureName : DataPath("user/" + NewPictureName());
  std::error_code ec;  // a folder that went away is made again; one that cannot be is reported below
  std::filesystem::create_directories(std::filesystem::path(target).parent_path(), ec);
  RemoveStaleSaves(std::filesystem::path(target).parent_path().string());
  std::string error = "the canvas cannot be copied";
  gdi::HBITMAP picture = CopyCanvas();
  const std::string data = picture ? EncodePicture(*picture, &error) : std::string();
  // The file takes its name only once it is complete: a replaced picture stays as it was until
  // then, and a new name is never claimed by two saves or seen empty.
  const gdi::WriteResult result =
      data.empty() ? gdi::WriteResult::kFailed : gdi::WriteFileAtomically(target, data, replacing, &error);
  switch (result) {
    case gdi::WriteResult::kWritten:
      ShowMessage("PICTURE SAVED.", platform::MB_OK | platform::MB_ICONINFORMATION);
      CurrentPictureName = target;
      return;
    case gdi::WriteResult::kExists:
      ShowMessage("Error -- Picture NOT Saved.", platform::MB_OK | platform::MB_ICONWARNING);
      return;
    case gdi::WriteResult::kFailed:
      ShowMessage("Error -- Picture NOT Saved.\n\n" + error, platform::MB_OK | platform::MB_ICONWARNING);
      return;
  }
}

void DeletePicture() {
  const Choice choice = ChooseFrom(8);
  if (choice == Choice::kNone) return;
  if (choice == Choice::kChosen &&
      ShowMessage("Are you sure you want to delete this picture?",
                  platform::MB_YESNO | platform::MB_ICONQUESTION) == platform::IDYES) {
    // A picture already gone is as deleted as it can be; anything else that keeps it is said.
    if (::unlink(ChosenFile.c_str()) != 0 && errno != ENOENT)
      ShowMessage("The picture could not be deleted: " + std::string(std::strerror(errno)),
                  platform::MB_OK | platform::MB_ICONWARNING);
  }
  RepaintCanvas();
}

namespace {

// BACKGROUNDS and COLORBOOK: a new picture from the program's own, not tied to any saved file.
bool LoadStartingPicture(int mode) {
  CurrentTool = 0;
  const Choice choice = ChooseFrom(mode);
  if (choice == Choice::kNone) return false;
  const bool loaded = choice == Choice::kChosen && LoadPictureToCanvas(ChosenFile);
  if (loaded) {
    CurrentPictureName.clear();
    SaveCanvasSnapshot();
  }
  RepaintCanvas();
  return loaded;
}

}  // namespace

void LoadBackground() {
  LoadStartingPicture(4);
}

bool LoadColorbookPage() {
  return LoadStartingPicture(1);
}

}  // namespace pd
