// The three small dialogs of the text tools. They hand their results over in the shared values
// TextBuffer, TextAngle and FontName, not through a dialog result:
//  * Ttextinpt asks for the words of SHADOW, EXPLODING and EXTRUDED TEXT;
//  * Trotator asks for the words and the angle of ROTATED TEXT, with a live preview;
//  * TFontForm picks FontName from the screen's fonts (the font option panel opens it).
// All three are black, single-bordered and centred. The edit boxes speak Unicode; TextBuffer
// holds what Windows-1252 can of it (see core/ansi.h).
#pragma once

#include "platform/platform.h"
#include "regiontools/dialogpicture.h"

namespace pd {

class Ttextinpt : public platform::Form {
 public:
  Ttextinpt();
  platform::EditBox& Edit1() { return edit1_; }
  DialogPicture& Image1() { return image1_; }  // accept
  DialogPicture& Image2() { return image2_; }  // cancel

  void FormShow();   // the edit shows TextBuffer, all of it selected
  void Image1Click();  // TextBuffer takes the edit's text
  void Image2Click();  // sound 36; TextBuffer and the edit emptied

 private:
  platform::EditBox edit1_;
  DialogPicture image1_, image2_;
};

class Trotator : public platform::Form {
 public:
  Trotator();
  platform::EditBox& Edit1() { return edit1_; }
  platform::ScrollBar& ScrollBar1() { return scrollbar1_; }
  platform::Label& Label1() { return label1_; }
  platform::Window& Panel1() { return panel1_; }
  platform::Timer& Timer1() { return timer1_; }
  DialogPicture& Image1() { return image1_; }
  DialogPicture& Image2() { return image2_; }

  void FormShow();
  // Counts the run's ticks; from the third of the run on, fills the dialog from TextBuffer and
  // TextAngle, draws the preview and stops.
  void Timer1Timer();
  void ScrollBar1Scroll(int position);
  void DrawPreview();
  void Image1Click();
  void Image2Click();

 private:
  platform::Window panel1_;
  platform::ScrollBar scrollbar1_;
  platform::Label label1_;
  platform::EditBox edit1_;
  DialogPicture image1_, image2_;
  platform::Timer timer1_;
};

class TFontForm : public platform::Form {
 public:
  TFontForm();
  platform::ListBox& ListBox1() { return listbox1_; }
  platform::Label& Label1() { return label1_; }
  DialogPicture& Image1() { return image1_; }

  void FormShow();
  void ListBox1Click();
  void Image1Click();

 private:
  platform::ListBox listbox1_;
  platform::Label label1_;
  DialogPicture image1_;
};

// Show each dialog modally. A dialog closed from the desktop counts as cancelled: TextBuffer is
// emptied, so the tool draws nothing.
void ShowTextInput();
void ShowRotator();
void ShowFontForm();
// The angle dialog's tick counter lives for the run; a program started afresh (the tests) puts
// it back to 0.
void ResetRotatorTicks();

}  // namespace pd
