// The platform layer: windows that keep their own pixels, the message loop, timers, cursors, hints,
// message boxes, modal forms and desktop services, as the program's forms need them.
//
// This header is plain C++ so that the program and its tests compile without the toolkit's
// headers. Two backends implement it:
//  * pd_platform_qt: real windows on Qt Widgets (xcb under X11 or Xvfb, or the offscreen
//    platform);
//  * pd_platform_headless: windows are only surfaces, nothing is shown, timers fire when a test
//    advances a fake clock, and tests inject input through platform/headless.h.
// A program links exactly one of them.
//
// The model, in the platform's terms:
//  * Every window keeps its pixels in a gdi surface (Surface(), 0x00RRGGBB words), shown 1:1 on
//    screen. On a high-density screen the surface is magnified by a whole factor with
//    nearest-neighbour sampling, never blurred. Coordinates are always surface pixels.
//  * GetDC(window) gives a DC over the surface. What an event handler draws reaches the screen
//    when the handler returns; a long routine can push it out earlier with Flush().
//  * Events are delivered one at a time on the one user-interface thread, as std::function
//    members (empty ones are skipped).
//  * Everything that asks the child something (message boxes, modal forms) or talks to the desktop
//    goes through a replaceable seam, so tests run the whole program headless with scripted
//    answers.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gdi/gdi.h"

namespace platform {

class Window;
using HWND = Window*;

// ---- input constants -------------------------------------------------------------------------

enum class MouseButton { Left, Right, Middle };

// Shift state: modifier keys and held mouse buttons at the time of an event (bit values as in
// the form toolkit the program was written for).
enum : unsigned {
  ssShift = 1,
  ssAlt = 2,
  ssCtrl = 4,
  ssLeft = 8,
  ssRight = 16,
  ssMiddle = 32,
  ssDouble = 64,  // the press is the second click of a double click
};

// Virtual key codes, the platform's values. Letters are 'A'..'Z' and digits '0'..'9'
// whatever the shift state.
enum : int {
  VK_LBUTTON = 0x01, VK_RBUTTON = 0x02, VK_CANCEL = 0x03, VK_MBUTTON = 0x04,
  VK_BACK = 0x08, VK_TAB = 0x09, VK_CLEAR = 0x0C, VK_RETURN = 0x0D,
  VK_SHIFT = 0x10, VK_CONTROL = 0x11, VK_MENU = 0x12, VK_PAUSE = 0x13, VK_CAPITAL = 0x14,
  VK_ESCAPE = 0x1B, VK_SPACE = 0x20, VK_PRIOR = 0x21, VK_NEXT = 0x22, VK_END = 0x23,
  VK_HOME = 0x24, VK_LEFT = 0x25, VK_UP = 0x26, VK_RIGHT = 0x27, VK_DOWN = 0x28,
  VK_SNAPSHOT = 0x2C, VK_INSERT = 0x2D, VK_DELETE = 0x2E, VK_HELP = 0x2F,
  VK_LWIN = 0x5B, VK_RWIN = 0x5C, VK_APPS = 0x5D,
  VK_NUMPAD0 = 0x60, VK_NUMPAD1, VK_NUMPAD2, VK_NUMPAD3, VK_NUMPAD4, VK_NUMPAD5, VK_NUMPAD6,
  VK_NUMPAD7, VK_NUMPAD8, VK_NUMPAD9, VK_MULTIPLY = 0x6A, VK_ADD = 0x6B, VK_SEPARATOR = 0x6C,
  VK_SUBTRACT = 0x6D, VK_DECIMAL = 0x6E, VK_DIVIDE = 0x6F,
  VK_F1 = 0x70, VK_F2, VK_F3, VK_F4, VK_F5, VK_F6, VK_F7, VK_F8, VK_F9, VK_F10, VK_F11, VK_F12,
  VK_NUMLOCK = 0x90, VK_SCROLL = 0x91,
  VK_OEM_1 = 0xBA, VK_OEM_PLUS = 0xBB, VK_OEM_COMMA = 0xBC, VK_OEM_MINUS = 0xBD,
  VK_OEM_PERIOD = 0xBE, VK_OEM_2 = 0xBF, VK_OEM_3 = 0xC0, VK_OEM_4 = 0xDB, VK_OEM_5 = 0xDC,
  VK_OEM_6 = 0xDD, VK_OEM_7 = 0xDE,
};

// System commands, as the system-command hook sees them.
enum : int {
  WM_SYSCOMMAND = 0x0112,
  SC_MINIMIZE = 0xF020,
  SC_MAXIMIZE = 0xF030,
  SC_CLOSE = 0xF060,
  SC_RESTORE = 0xF120,
};

// ---- windows ---------------------------------------------------------------------------------

// Top-level windows: None is a bare window without any frame (the main window); Single has the
// desktop's title bar with the caption and no buttons (forms).
// Child windows: None draws nothing around the client area; Single draws a one-pixel black
// frame in the window's outermost ring of pixels, OUTSIDE the client surface: Width and Height
// include the frame, ClientWidth = Width - 2, ClientHeight = Height - 2, and client (0, 0) is at
// (Left + 1, Top + 1) of the parent. Events and GetDC use client coordinates.
enum class BorderStyle { None, Single };

// A window: top-level when made without a parent, a child otherwise. Child windows lie in their
// parent's client area, in the parent's client coordinates; a later child lies above an earlier
// one. A window must outlive its children (destroying a parent first detaches and hides them).
// Windows are created hidden.
class Window {
 public:
  explicit Window(Window* parent = nullptr);
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  Window* Parent() const;
  const std::vector<Window*>& Children() const;
  bool IsTopLevel() const { return Parent() == nullptr; }
  Window* TopLevel();  // this window's top-level ancestor (itself when top-level)

  // Outer bounds, in the parent's client coordinates (screen coordinates for a top-level
  // window, whose desktop frame, if any, lies outside them).
  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  gdi::RECT BoundsRect() const;  // {Left, Top, Left + Width, Top + Height}
  int ClientWidth() const;
  int ClientHeight() const;
  void SetBounds(int left, int top, int width, int height);
  void SetLeft(int left);
  void SetTop(int top);
  void SetWidth(int width);
  void SetHeight(int height);
  void SetClientSize(int width, int height);

  // Top-level only: fill the screen's work area and ask the desktop to keep the window
  // maximised. The geometry is set explicitly, so it holds where no window manager acts on the
  // request (a bare X server).
  void Maximize();

  void SetBorderStyle(BorderStyle style);
  BorderStyle GetBorderStyle() const;
  // The colour (COLORREF) that new surface pixels start with, at creation and where a resize
  // grows the surface. Default white.
  void SetColour(gdi::COLORREF colour);
  gdi::COLORREF Colour() const;
  // A transparent child has no surface and shows its parent's pixels through: a hit area that
  // gets mouse events, a cursor and a hint. GetDC on it returns null.
  void SetTransparent(bool transparent);
  bool Transparent() const;
  void SetCaption(const std::string& caption);
  const std::string& Caption() const;
  // Top-level only: the window's outline on the desktop, a region in window pixels (a copy is
  // kept). Pixels outside it are not shown and mouse presses there go to whatever lies beneath.
  // Null makes the window a rectangle again.
  void SetWindowRgn(const gdi::HRGN& region);
  const gdi::HRGN& WindowRgn() const;

  void Show();
  void Hide();
  void SetVisible(bool visible);
  bool Visible() const;
  bool Showing() const;  // visible, and every ancestor visible

  // The client pixels, ClientWidth x ClientHeight (null for a transparent window). A resize
  // replaces the bitmap with one of the new size that keeps the old pixels where they fit; a DC
  // taken before a resize keeps drawing on the old bitmap.
  const gdi::HBITMAP& Surface() const;
  // Asks for an OnPaint event. Paints come on the first show and after Invalidate only: the
  // surface keeps the pixels meanwhile, so nothing has to be repainted after being covered.
  void Invalidate();
  // Says that the surface may have changed; what changed reaches the screen when the current
  // event returns (or at Flush). GetDC and ReleaseDC do this; call it after writing pixels
  // through Surface() directly.
  void MarkDirty();

  // The cursor shown while the pointer is over this window: a number of the screen's cursor
  // list (RegisterCursor); 0 is the standard arrow. OnCursorAt, when set and returning a number
  // >= 0, overrides it by position.
  void SetCursor(int number);
  int Cursor() const;
  std::function<int(int x, int y)> OnCursorAt;
  int CursorAt(int x, int y) const;

  // The hint shown as a tooltip while the pointer rests on this window. OnHintAt, when set,
  // gives the hint by position instead (an empty string shows none there). A window without a
  // hint of its own shows its parent's.
  void SetHint(const std::string& hint);
  const std::string& Hint() const;
  std::function<std::string(int x, int y)> OnHintAt;
  std::string HintAt(int x, int y) const;

  // Top-level: asks OnCloseQuery (false keeps the window), then runs OnClose and hides the
  // window. Closing the application's main window ends Application::Run.
  void Close();

  // ---- events (client coordinates) ----
  std::function<void()> OnPaint;
  std::function<void()> OnShow;
  std::function<void()> OnResize;
  std::function<void(MouseButton button, unsigned shift, int x, int y)> OnMouseDown;
  std::function<void(unsigned shift, int x, int y)> OnMouseMove;
  std::function<void(MouseButton button, unsigned shift, int x, int y)> OnMouseUp;
  std::function<void()> OnDblClick;
  // Keys go to the active top-level window, or to the form control that has the focus in it
  // (other child windows never take the keyboard; see Control). Setting
  // key to 0 in OnKeyDown stops the OnKeyPress that would follow; OnKeyPress gets the typed
  // character as a byte of the text layer's code page (Windows-1252; a character it cannot hold
  // is not delivered), control characters included (8 backspace, 13 return, 27 escape).
  std::function<void(int& key, unsigned shift)> OnKeyDown;
  std::function<void(int& key, unsigned shift)> OnKeyUp;
  std::function<void(char& key)> OnKeyPress;
  // Top-level: this window became the active window / stopped being it.
  std::function<void()> OnActivate;
  std::function<void()> OnDeactivate;
  std::function<bool()> OnCloseQuery;
  std::function<void()> OnClose;

  struct Impl;
  Impl& impl() { return *impl_; }
  const Impl& impl() const { return *impl_; }

 private:
  std::unique_ptr<Impl> impl_;
};

// A DC over the window's surface (null for a transparent window). The DC's clip starts empty;
// drawing outside the surface is clipped.
gdi::HDC GetDC(HWND window);
inline gdi::HDC GetDC(Window& window) { return GetDC(&window); }
// Drops the DC (dc is reset) and marks the window dirty. Returns 1.
int ReleaseDC(HWND window, gdi::HDC& dc);
inline int ReleaseDC(Window& window, gdi::HDC& dc) { return ReleaseDC(&window, dc); }

// Puts on screen now what has been drawn on the window (or on every window), without
// delivering any event: input and timers wait in the queue. For long routines such as
// animations that show their frames before they return; what they draw through a DC they keep
// from frame to frame counts too.
void Flush(HWND window);
void FlushAll();

// ---- modal forms -----------------------------------------------------------------------------

enum : int {
  mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7
};

// A top-level window shown modally: single border, fixed size, no title-bar buttons, centred on
// the screen's work area when shown. ShowModal runs a nested message loop (other windows get no
// input meanwhile; their timers keep running) until Close(result) or SetModalResult ends it, hides
// the form and returns the result. Closing it from the desktop gives mrCancel.
class Form : public Window {
 public:
  Form();
  int ShowModal();
  bool Modal() const;
  using Window::Close;
  void Close(int result);  // sets the modal result and closes
  void SetModalResult(int result);  // non-zero ends ShowModal with this result
  int ModalResult() const;
};

// The seam of modal forms: while a script is installed, ShowModal shows the form (OnShow,
// first paint, OnActivate), calls the script instead of running a loop, hides the form and
// returns what the script returned. The script may inject input into the form (headless) or
// call form.Close(result). The headless backend without a script returns mrCancel at once.
using ModalScript = std::function<int(Form& form)>;
void SetModalScript(ModalScript script);  // an empty function removes it

// ---- message boxes ---------------------------------------------------------------------------

enum : unsigned {
  MB_OK = 0x00, MB_OKCANCEL = 0x01, MB_YESNOCANCEL = 0x03, MB_YESNO = 0x04,
  MB_ICONERROR = 0x10, MB_ICONHAND = 0x10, MB_ICONQUESTION = 0x20, MB_ICONWARNING = 0x30,
  MB_ICONEXCLAMATION = 0x30, MB_ICONINFORMATION = 0x40, MB_ICONASTERISK = 0x40,
  MB_TYPEMASK = 0x0F, MB_ICONMASK = 0xF0,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

// The seam of message boxes. The backend's own (a real modal box on Qt) is used unless a
// replacement is installed.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Shows text with the caption, the buttons and icon of flags, modal to owner's top-level
  // window (or the application), and returns the button pressed: IDOK, IDCANCEL, IDYES, IDNO.
  virtual int MessageBox(Window* owner, const std::string& text, const std::string& caption,
                         unsigned flags) = 0;
};

// Scripted answers for tests: each message box takes the next queued answer and is recorded.
// With the queue empty it answers the safe way: IDOK for MB_OK, IDCANCEL for the boxes with a
// Cancel button, IDNO for MB_YESNO; `unanswered` counts those, so a test can tell that a
// question nobody expected was asked.
class ScriptedDialogs : public Dialogs {
 public:
  struct Asked {
    std::string text;
    std::string caption;
    unsigned flags = 0;
    Window* owner = nullptr;
  };
  std::deque<int> answers;
  std::vector<Asked> asked;
  int unanswered = 0;
  int MessageBox(Window* owner, const std::string& text, const std::string& caption,
                 unsigned flags) override;
};

void SetDialogs(Dialogs* dialogs);  // not owned; null puts the backend's own back
Dialogs& CurrentDialogs();
// Flushes the screen first, so that the box appears over what the program has drawn.
int MessageBox(Window* owner, const std::string& text, const std::string& caption, unsigned flags);

// ---- desktop services ------------------------------------------------------------------------

// The seam of what the program asks of the desktop. The Qt backend talks to the session bus;
// the headless backend uses a FakeDesktop.
class DesktopServices {
 public:
  virtual ~DesktopServices() = default;
  // Keeps the screen saver from starting until UninhibitScreenSaver or the end of the program.
  // Repeated calls hold one inhibition. Silently does nothing without a desktop to ask.
  virtual void InhibitScreenSaver(const std::string& reason) = 0;
  virtual void UninhibitScreenSaver() = 0;
  virtual bool ScreenSaverInhibited() const = 0;
  // Puts the bitmap on the desktop's clipboard as an image (PNG and BMP among its formats),
  // replacing what was there; the program keeps serving it while it runs and hands it to the
  // desktop's clipboard manager when it ends. False when there is no clipboard to put it on.
  virtual bool CopyBitmapToClipboard(const gdi::HBITMAP& bitmap);
  // Makes the bitmap file the desktop's wallpaper on the desktop in use (see wallpaper.h), showing
  // it even when the path is the same as last time. False, with a reason in *error, when no way
  // of setting it worked: never true for a wallpaper that was not set.
  virtual bool SetDesktopWallpaper(const std::string& bitmap_path, std::string* error);
};

// Records what was asked; inhibits only in memory.
class FakeDesktop : public DesktopServices {
 public:
  void InhibitScreenSaver(const std::string& reason) override;
  void UninhibitScreenSaver() override;
  bool ScreenSaverInhibited() const override { return inhibited; }
  bool CopyBitmapToClipboard(const gdi::HBITMAP& bitmap) override;
  bool SetDesktopWallpaper(const std::string& bitmap_path, std::string* error) override;
  bool inhibited = false;
  int inhibit_calls = 0;
  int uninhibit_calls = 0;
  std::string reason;
  // A copy of the last bitmap put on the clipboard, and the wallpaper files asked for in order.
  gdi::HBITMAP clipboard;
  std::vector<std::string> wallpapers;
  bool wallpaper_works = true;  // false: SetDesktopWallpaper fails as on a desktop without one
};

// ---- printing --------------------------------------------------------------------------------

enum class PageOrientation { Portrait, Landscape };

// One document on its way to the printer. The page is the printable area in device pixels,
// (0, 0) at its top-left corner. The document goes to the printing system at End; a job
// destroyed without End is abandoned.
class PrintJob {
 public:
  virtual ~PrintJob() = default;
  virtual int PageWidth() const = 0;
  virtual int PageHeight() const = 0;
  // Puts the bitmap's pixels with their top-left corner at (x, y), one bitmap pixel to one
  // device pixel. A picture larger than memory allows goes in bands, one call each.
  virtual void DrawBitmap(int x, int y, const gdi::Bitmap& bitmap) = 0;
  // Writes text at (x, y) in the printer's default font.
  virtual void DrawText(int x, int y, const std::string& text) = 0;
  virtual bool End(std::string* error) = 0;
};

// The seam of printing. The Qt backend prints through the desktop's printing system (every
// printer it knows), or into a PDF file once SetOutputFile has named one; the headless backend
// uses a FakePrinting.
class Printing {
 public:
  virtual ~Printing() = default;
  // The desktop's standard printer dialog, modal to owner's top-level window: the printer and
  // settings chosen are kept for the run and used by every later document. False when cancelled.
  virtual bool Setup(Window* owner) = 0;
  // Starts a one-page document titled title, in the orientation given, on the chosen printer (the
  // default one until Setup chose another). Null, with the reason in *error, when there is no
  // printer or the printing system refuses.
  virtual std::unique_ptr<PrintJob> Begin(const std::string& title, PageOrientation orientation,
                                          std::string* error) = 0;
  // Documents go into this PDF file instead of to a printer (empty: to the printer again).
  virtual void SetOutputFile(const std::string& pdf_path) = 0;
};

// Prints onto a page bitmap in memory: page_width x page_height device pixels, white at Begin.
class FakePrinting : public Printing {
 public:
  struct Document {
    std::string title;
    PageOrientation orientation = PageOrientation::Portrait;
    gdi::HBITMAP page;
    std::vector<std::string> texts;
    int bitmaps = 0;  // DrawBitmap calls
    std::size_t largest_bitmap = 0;  // pixels of the largest bitmap drawn
  };
  bool Setup(Window* owner) override;
  std::unique_ptr<PrintJob> Begin(const std::string& title, PageOrientation orientation,
                                  std::string* error) override;
  void SetOutputFile(const std::string& pdf_path) override { output_file = pdf_path; }
  // The portrait page; landscape swaps the sides.
  int page_width = 816, page_height = 1056;
  bool has_printer = true;  // false: Begin fails as with no printer installed
  bool setup_answer = true;
  int setup_calls = 0;
  std::string output_file;
  std::vector<Document> documents;  // finished (End) documents only
};

void SetPrinting(Printing* printing);  // not owned; null puts the backend's own back
Printing& CurrentPrinting();

void SetDesktop(DesktopServices* desktop);  // not owned; null puts the backend's own back
DesktopServices& Desktop();

// ---- timers ----------------------------------------------------------------------------------

// Calls OnTimer every Interval milliseconds while enabled, from the message loop (never in the
// middle of another event). A timer held up by a long handler fires once afterwards, not
// once per missed interval. Created disabled, with an interval of 1000 ms; changing the interval
// of an enabled timer starts its period again. Interval 0 never fires.
class Timer {
 public:
  Timer();
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;
  void SetInterval(unsigned ms);
  unsigned Interval() const;
  void SetEnabled(bool enabled);
  bool Enabled() const;
  std::function<void()> OnTimer;

  struct Impl;
  Impl& impl() { return *impl_; }

 private:
  std::unique_ptr<Impl> impl_;
};

// ---- form controls ---------------------------------------------------------------------------
//
// The standard controls of a form: EditBox (one-line edit), ListBox, ScrollBar (vertical or
// horizontal) and Label. They are run and drawn by the toolkit itself (on Qt, its own line edit,
// list, scroll bar and label widgets), so that typing, selection, cursor keys, the clipboard,
// input methods and accessibility behave as everywhere on the desktop.
//  * A control is a child window: placed with SetBounds in the parent's client coordinates,
//    created hidden like every window (Show it), with its own hint. It has no surface (GetDC
//    gives null); the toolkit draws it above its parent's pixels. The background is the window
//    colour (SetColour, default white), the text is in TextColour and the control's font.
//  * The control with the focus gets the keys of its top-level window (OnKeyDown, OnKeyUp with
//    virtual key codes; no OnKeyPress) instead of the top-level window. A form gives the focus
//    to its first EditBox or ListBox when it is shown, unless one was given it (SetFocus).
//  * The program's own changes (SetText, SetItemIndex, SetPosition...) never fire events; the
//    events say what the user did: OnChange (edit), OnClick and OnDblClick (list), OnScroll (bar),
//    mouse events as on any window (a label's clicks).
//  * Text is UTF-8; lengths and selections count characters (code points).
//  * The headless backend keeps the same state and shows nothing; tests act as the user through
//    headless.h (TypeInto, PressKey, ClickItem, ScrollTo, ScrollBy).
// Forms pace themselves with Timer objects of their own (see Timers).

enum class TextAlign { Left, Centre, Right };

class Control : public Window {
 public:
  ~Control() override;
  // Face name (the desktop substitutes a face it lacks), character cell height in pixels (0: the
  // desktop's default) and weight.
  void SetFont(const std::string& face, int pixel_height, bool bold = false);
  const std::string& FontFace() const { return font_face_; }
  int FontHeight() const { return font_height_; }
  bool FontBold() const { return font_bold_; }
  void SetTextColour(gdi::COLORREF colour);  // default black
  gdi::COLORREF TextColour() const { return text_colour_; }
  void SetFocus();
  bool Focused() const;
  // Whether the control takes the focus (EditBox and ListBox do).
  bool TakesFocus() const { return takes_focus_; }

  // The backend's side of the control (the toolkit widget; nothing headless).
  class Peer;
  Peer* ControlPeer() const { return control_peer_.get(); }

 protected:
  Control(Window* parent, bool takes_focus);
  void AttachPeer();  // called by each kind's constructor, once the control is complete


 private:
  std::string font_face_;
  int font_height_ = 0;
  bool font_bold_ = false;
  gdi::COLORREF text_colour_ = 0;
  bool takes_focus_;
  std::unique_ptr<Peer> control_peer_;
};

class EditBox : public Control {
 public:
  explicit EditBox(Window* parent);
  const std::string& Text() const { return text_; }
  // Puts the text (cut to MaxLength) with the caret at its end and nothing selected.
  void SetText(const std::string& text);
  void SelectAll();
  void SetSelection(int start, int length);  // clamped to the text
  int SelStart() const { return sel_start_; }
  int SelLength() const { return sel_length_; }
  void SetMaxLength(int characters);  // 0, the default: no limit
  int MaxLength() const { return max_length_; }
  int Length() const;  // in characters
  std::function<void()> OnChange;  // the user changed the text

  // For the backends: the user changed the text or the selection.
  void UserEdited(const std::string& text, int sel_start, int sel_length);
  void UserSelected(int sel_start, int sel_length);

 private:
  std::string text_;
  int sel_start_ = 0, sel_length_ = 0, max_length_ = 0;
};

// A list of one-line items, one of them (or none) selected. Sorted lists keep their items in
// order without regard to ASCII case (ties in byte order), as the items are added.
class ListBox : public Control {
 public:
  explicit ListBox(Window* parent);
  void SetSorted(bool sorted);  // sorts the items at once when turned on
  bool Sorted() const { return sorted_; }
  void Clear();
  int AddItem(const std::string& item);  // returns the index it went to
  void SetItems(const std::vector<std::string>& items);
  const std::vector<std::string>& Items() const { return items_; }
  int Count() const { return static_cast<int>(items_.size()); }
  int IndexOf(const std::string& item) const;  // the first exact match, or -1
  int ItemIndex() const { return item_index_; }  // -1 when nothing is selected
  void SetItemIndex(int index);  // out of range selects nothing; a selection is scrolled into view
  std::string SelectedItem() const;  // empty when nothing is selected
  void SetItemHeight(int pixels);  // default 16
  int ItemHeight() const { return item_height_; }
  int TopIndex() const { return top_index_; }  // the first item shown
  void SetTopIndex(int index);
  int VisibleItems() const;  // how many whole items the client height shows (at least 1)
  std::function<void()> OnClick;  // the user selected an item (mouse or keys)
  // Window::OnDblClick: the user double-clicked an item (after its OnClick).

  void UserSelected(int index);  // for the backends
  void UserScrolled(int top_index);

 private:
  bool sorted_ = false;
  std::vector<std::string> items_;
  int item_index_ = -1, item_height_ = 16, top_index_ = 0;
};

enum class Orientation { Horizontal, Vertical };

class ScrollBar : public Control {
 public:
  explicit ScrollBar(Window* parent, Orientation orientation = Orientation::Horizontal);
  Orientation GetOrientation() const { return orientation_; }
  void SetRange(int min, int max);  // max below min is taken as min; the position is clamped
  void SetPosition(int position);   // clamped to the range
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  void SetSmallChange(int change);  // arrows and cursor keys; default 1
  void SetLargeChange(int change);  // a click beside the thumb, Page Up/Down; default 1
  int SmallChange() const { return small_change_; }
  int LargeChange() const { return large_change_; }
  // The user moved the bar (dragging the thumb, arrows, a click beside the thumb, keys, wheel);
  // Position() already is the new position, which is passed too.
  std::function<void(int position)> OnScroll;

  void UserScrolled(int position);  // for the backends: clamps, sets and fires OnScroll

 private:
  Orientation orientation_;
  int min_ = 0, max_ = 100, position_ = 0, small_change_ = 1, large_change_ = 1;
};

// Text in a box: the caption (Window::SetCaption) in the control's font and text colour on the
// window colour, aligned in the box and centred vertically; lines break at '\n' (and at spaces
// with word wrap on). Clicks arrive as mouse events.
class Label : public Control {
 public:
  explicit Label(Window* parent);
  void SetAlignment(TextAlign align);  // default Left
  TextAlign Alignment() const { return align_; }
  void SetWordWrap(bool wrap);
  bool WordWrap() const { return wrap_; }

 private:
  TextAlign align_ = TextAlign::Left;
  bool wrap_ = false;
};

// The families of the fonts the screen offers, sorted without duplicates (what the text layer
// can draw).
std::vector<std::string> ScreenFontFamilies();

// ---- cursors ---------------------------------------------------------------------------------

// A cursor from monochrome planes, as the platform makes them: and_plane and xor_plane are
// width x height bits, rows padded to 16 bits, top row first, leftmost pixel in the high bit.
// Per pixel: AND 0 / XOR 0 black, AND 0 / XOR 1 white, AND 1 / XOR 0 transparent,
// AND 1 / XOR 1 inverts the screen.
gdi::HCURSOR CreateCursor(int hot_x, int hot_y, int width, int height, const void* and_plane,
                          const void* xor_plane);
// Any gdi::Icon (an AND mask and a colour XOR image, made with gdi::CreateIconFromBitmaps) is a
// cursor too, hot spot included. Where the mask is 0 the image colour is shown; where it is 1,
// black image pixels are transparent and other colours invert the screen (shown as black on
// desktops that cannot invert a colour cursor).

// The screen's cursor list. Registering under a number replaces what was there; a null cursor
// removes the number. Number 0 is always the standard arrow and cannot be replaced. A window
// showing an unregistered number shows the arrow.
void RegisterCursor(int number, const gdi::HCURSOR& cursor);
gdi::HCURSOR RegisteredCursor(int number);
// A cursor shown over every window of the program (for example while a long routine runs);
// 0 removes it.
void SetScreenCursor(int number);
int ScreenCursor();

// ---- application -----------------------------------------------------------------------------

// The one application object; construct it first in main and keep it until the end. Its
// destructor (and, for an exit() in between, an atexit handler) ends any screen-saver inhibition,
// so the desktop's screen saver is never left off.
class Application {
 public:
  Application(int& argc, char** argv);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;
  static Application& Instance();  // the live application; aborts when there is none
  static bool Exists();

  void SetTitle(const std::string& title);
  const std::string& Title() const;
  void SetIcon(const gdi::HICON& icon);

  // Shows main_window (when hidden) and runs the message loop until it is closed or Quit is
  // called; returns the exit status. The headless backend shows the window, delivers its first
  // paint and returns at once: tests drive the rest.
  int Run(Window& main_window);
  Window* MainWindow() const;
  void Quit();
  bool Terminated() const;

  // Delivers every event waiting in the queue, input included, as the loop would (after
  // flushing the screen), then returns. Only this delivers input inside a running handler;
  // Flush never does.
  void ProcessMessages();

  bool Active() const;
  // The application as a whole was switched to (OnActivate) or away from (OnDeactivate).
  std::function<void()> OnActivate;
  std::function<void()> OnDeactivate;
  // The system-command hook: called with SC_MINIMIZE, SC_CLOSE, ... when the desktop issues a
  // system command to a top-level window of the program, before the program's own handling of it
  // (SC_CLOSE before OnCloseQuery). On Qt a minimise is reported as it happens; the windows keep
  // their pixels, so what is saved then is still what was on the screen.
  std::function<void(Window& window, int command)> OnSysCommand;

  struct Impl;
  Impl& impl() { return *impl_; }

 private:
  std::unique_ptr<Impl> impl_;
};

// ---- screen, files and time ------------------------------------------------------------------

// The part of the primary screen that windows may cover (without panels and docks), in screen
// pixels.
gdi::RECT ScreenWorkArea();
int ScreenWidth();
int ScreenHeight();

// The directory of the running executable with a trailing "/".
std::string ExecutableDirectory();

// Finds dir + relative_path matching every component of relative_path without regard to case
// (ASCII letters). Components may be separated by '/' or '\\'. An exact match is preferred; among
// names differing only in case the first in byte order wins. Returns the path of the existing file
// or directory, or an empty string when there is none. dir itself is taken as given; a missing
// trailing "/" is supplied.
std::string FindFileNoCase(const std::string& dir, const std::string& relative_path);
// The same lookup for a path that may not exist yet (a file about to be written): the components
// that exist are matched without regard to case, the rest are kept as given.
std::string ResolvePathNoCase(const std::string& dir, const std::string& relative_path);

// Milliseconds since an arbitrary start, monotonic, wrapping at 2^32. Faked by the headless
// backend (see headless.h).
std::uint32_t GetTickCount();
// Blocks for ms milliseconds without delivering any event. The headless backend advances its
// clock instead, without firing timers (a blocked program gets none).
void Sleep(unsigned ms);
// The same count on 64 bits: it never wraps, so routines that time their steps by it need no
// care for the wrap after 49 days.
std::uint64_t GetTickCount64();
// Blocks until GetTickCount64() reaches tick (returns at once when it has), sleeping rather than
// spinning and delivering no event. The headless backend moves its clock there, firing no timers.
void SleepUntil(std::uint64_t tick);

// ---- frames of a long routine ----------------------------------------------------------------

// Milliseconds between two refreshes of the primary screen (60 Hz where the screen does not say;
// rates outside 24..240 Hz are taken as the nearest end). The headless backend answers 60 Hz
// unless a test sets another rate.
double FrameInterval();
// For a routine that animates inside one event: puts what has been drawn on the window on the
// screen now (Flush), then sleeps until the screen's next refresh is due, so that drawing, then
// PresentFrame, in a loop shows one frame per refresh without spinning. No event is delivered:
// input and timers wait in the queue until the routine returns.
void PresentFrame(HWND window);

// ---- helpers shared by the backends (pure functions, tested headless) ------------------------

// The whole magnification for a device pixel ratio: the ratio rounded down, at least 1.
int WholeScale(double device_pixel_ratio);
// src magnified by factor with nearest-neighbour sampling (a new bitmap).
gdi::HBITMAP ScaleNearest(const gdi::Bitmap& src, int factor);

// How a cursor's pixels show, for backends that build cursors from images.
struct CursorImage {
  int width = 0, height = 0, hot_x = 0, hot_y = 0;
  // ARGB words (0xAARRGGBB, not premultiplied): opaque colour, transparent 0, and inverting
  // pixels as opaque black.
  std::vector<std::uint32_t> argb;
  // Monochrome planes in the toolkit sense, one byte per pixel: bitmap 1 = black, mask 1 =
  // drawn; bitmap 1 with mask 0 inverts the screen. Valid only when monochrome is true (every
  // shown pixel is black or white).
  std::vector<std::uint8_t> bitmap, mask;
  bool monochrome = true;
  bool inverts = false;  // some pixel inverts the screen
};
CursorImage CursorImageOf(const gdi::Icon& cursor);

}  // namespace platform
