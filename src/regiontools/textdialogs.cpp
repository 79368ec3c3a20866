#include "regiontools/textdialogs.h"

#include <cmath>
#include <string>

#include "core/ansi.h"
#include "core/canvas.h"
#include "core/state.h"
#include "media/sound.h"
#include "regiontools/texttools.h"

namespace pd {

namespace {

constexpr gdi::COLORREF kBlack = gdi::RGB(0, 0, 0);
constexpr gdi::COLORREF kWhite = gdi::RGB(255, 255, 255);
constexpr gdi::COLORREF kYellow = gdi::RGB(255, 255, 0);
constexpr int kVkReturn = 13;
// The edit boxes hold what TextBuffer can: 255 bytes, one a character.
constexpr int kMaxTextLength = 255;

int g_rotator_ticks = 0;

void FormFrame(platform::Form& form, const char* caption, int width, int height) {
  form.SetCaption(caption);
  form.SetColour(kBlack);
  form.SetClientSize(width, height);
}

void EditBoxAt(platform::EditBox& edit, int left, int top, int width, int height, int font_height) {
  edit.SetBounds(left, top, width, height);
  edit.SetColour(kWhite);
  edit.SetFont("System", font_height);
  edit.SetMaxLength(kMaxTextLength);
  edit.Show();
}

// Enter released in an edit box accepts, as the tick does.
void AcceptOnEnter(platform::EditBox& edit, std::function<void()> accept) {
  edit.OnKeyUp = [accept = std::move(accept)](int& key, unsigned) {
    if (key == kVkReturn) accept();
  };
}

}  // namespace

// ---- Ttextinpt -------------------------------------------------------------------------------

Ttextinpt::Ttextinpt()
    : edit1_(this),
      image1_(this, kDialogOkPicture, 350, 3, 40, 40, ""),
      image2_(this, kDialogCancelPicture, 350, 51, 40, 35, "") {
  FormFrame(*this, "Enter Text to be Displayed:", 408, 88);
  EditBoxAt(edit1_, 9, 30, 321, 22, 13);
  AcceptOnEnter(edit1_, [this] { Image1Click(); });
  image1_.OnClick = [this] { Image1Click(); };
  image2_.OnClick = [this] { Image2Click(); };
  OnShow = [this] { FormShow(); };
}

void Ttextinpt::FormShow() {
  edit1_.SetText(Utf8FromAnsi(TextBufferText()));
  edit1_.SelectAll();
  edit1_.SetFocus();
}

void Ttextinpt::Image1Click() {
  SetTextBuffer(AnsiFromUtf8(edit1_.Text()));
  Close(platform::mrOk);
}

void Ttextinpt::Image2Click() {
  PlaySoundEffect(36);
  SetTextBuffer("");
  edit1_.SetText("");
  Close(platform::mrCancel);
}

// ---- Trotator --------------------------------------------------------------------------------

Trotator::Trotator()
    : panel1_(this),
      scrollbar1_(this, platform::Orientation::Vertical),
      label1_(this),
      edit1_(this),
      image1_(this, kDialogOkPicture, 300, 9, 40, 40, "Yes, let's use this."),
      image2_(this, kDialogCancelPicture, 299, 58, 40, 35, "No, forget it.") {
  FormFrame(*this, "Change the Text Angle with the Scroll Bar", 377, 158);
  panel1_.SetColour(kWhite);
  panel1_.SetBounds(7, 5, 125, 100);
  panel1_.SetHint("This is an example of what the text angle looks like.");
  panel1_.Show();
  scrollbar1_.SetBounds(133, 5, 17, 100);
  scrollbar1_.SetRange(0, 359);
  scrollbar1_.SetLargeChange(10);
  scrollbar1_.SetHint("Change the angle of the text");
  scrollbar1_.OnScroll = [this](int position) { ScrollBar1Scroll(position); };
  scrollbar1_.Show();
  label1_.SetBounds(157, 52, 107, 16);
  label1_.SetCaption("45 Degrees");
  label1_.SetAlignment(platform::TextAlign::Centre);
  label1_.SetColour(kBlack);
  label1_.SetTextColour(kYellow);
  label1_.SetFont("System", 13);
  label1_.Show();
  EditBoxAt(edit1_, 10, 124, 357, 28, 16);
  edit1_.SetHint("The text you want to rotate goes here.");
  AcceptOnEnter(edit1_, [this] { Image1Click(); });
  image1_.OnClick = [this] { Image1Click(); };
  image2_.OnClick = [this] { Image2Click(); };
  timer1_.SetInterval(200);
  timer1_.OnTimer = [this] { Timer1Timer(); };
  OnShow = [this] { FormShow(); };
}

void Trotator::FormShow() {
  edit1_.SetFocus();
  timer1_.SetEnabled(true);
}

void Trotator::Timer1Timer() {
  ++g_rotator_ticks;
  if (g_rotator_ticks <= 2) return;
  edit1_.SetText(Utf8FromAnsi(TextBufferText()));
  edit1_.SelectAll();
  scrollbar1_.SetPosition(TextAngle);
  DrawPreview();
  timer1_.SetEnabled(false);
}

void Trotator::ScrollBar1Scroll(int position) {
  TextAngle = position;
  DrawPreview();
}

void Trotator::DrawPreview() {
  using namespace gdi;
  SetCaption("Text Rotation");
  {
    WindowCanvas canvas(&panel1_);
    const HDC& dc = canvas.dc();
    SelectObject(dc, GetStockObject(WHITE_PEN));
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    Rectangle(dc, 0, 0, 125, 100);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    MoveToEx(dc, 57, 50, nullptr);
    LineTo(dc, 67, 50);
    MoveToEx(dc, 62, 45, nullptr);
    LineTo(dc, 62, 55);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_BASELINE | TA_CENTER);
    HFONT font = CreateFontA(-PointsToPixels(10), 0, TextAngle * 10, TextAngle * 10, 0, 0, 0, 0, 0, 0, 0, 0,
                             0, "Arial");
    HGDIOBJ old_font = SelectObject(dc, font);
    SetTextColor(dc, CurrentColour | kPaletteRelative);
    TextOutA(dc, 62, 50, "Example", 7);
    SelectObject(dc, old_font);
  }
  label1_.SetCaption(std::to_string(TextAngle) + " Degrees");
}

void Trotator::Image1Click() {
  SetTextBuffer(AnsiFromUtf8(edit1_.Text()));
  TextAngle = scrollbar1_.Position();
  Close(platform::mrOk);
}

void Trotator::Image2Click() {
  PlaySoundEffect(36);
  SetTextBuffer("");
  edit1_.SetText("");
  Close(platform::mrCancel);
}

void ResetRotatorTicks() {
  g_rotator_ticks = 0;
}

// ---- TFontForm -------------------------------------------------------------------------------

TFontForm::TFontForm()
    : listbox1_(this),
      label1_(this),
      image1_(this, kDialogOkPicture, 319, 105, 40, 40, "Alright then, let's use this one.") {
  FormFrame(*this, "Choose the Lettering Style", 432, 160);
  label1_.SetBounds(230, 0, 202, 77);
  label1_.SetCaption("Example");
  label1_.SetAlignment(platform::TextAlign::Centre);
  label1_.SetColour(kBlack);
  label1_.SetTextColour(kWhite);
  label1_.SetFont(Utf8FromLatin1(FontName), 32);
  label1_.SetHint("This is an example of the chosen font.");
  label1_.Show();
  listbox1_.SetBounds(4, 2, 225, 157);
  listbox1_.SetColour(kBlack);
  listbox1_.SetTextColour(kWhite);
  listbox1_.SetFont("System", 13);
  listbox1_.SetItemHeight(16);
  listbox1_.SetHint("Choose the font (style of lettering) here.");
  listbox1_.OnClick = [this] { ListBox1Click(); };
  listbox1_.Show();
  image1_.OnClick = [this] { Image1Click(); };
  OnShow = [this] { FormShow(); };
}

void TFontForm::FormShow() {
  listbox1_.Clear();
  listbox1_.SetSorted(true);
  listbox1_.SetItems(platform::ScreenFontFamilies());
  const std::string face = Utf8FromLatin1(FontName);
  label1_.SetFont(face, 32);
  // A face that is not installed under its own name shows the family it is drawn with.
  int index = listbox1_.IndexOf(face);
  if (index < 0) index = listbox1_.IndexOf(gdi::MatchedFontFamily(face));
  listbox1_.SetItemIndex(index);
  listbox1_.SetFocus();
}

void TFontForm::ListBox1Click() {
  const std::string name = listbox1_.SelectedItem();
  if (name.empty()) return;
  label1_.SetFont(name, 32);
  FontName = Latin1FromUtf8(label1_.FontFace());
}

void TFontForm::Image1Click() {
  PlaySoundEffect(36);
  Close(platform::mrOk);
}

// ---- showing ---------------------------------------------------------------------------------

void ShowTextInput() {
  Ttextinpt dialog;
  if (dialog.ShowModal() != platform::mrOk) TextBuffer.fill(0);
}

void ShowRotator() {
  Trotator dialog;
  if (dialog.ShowModal() != platform::mrOk) TextBuffer.fill(0);
}

void ShowFontForm() {
  TFontForm dialog;
  dialog.ShowModal();
}

}  // namespace pd
