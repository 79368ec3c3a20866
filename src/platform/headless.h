// Test controls of the headless backend (pd_platform_headless only).
//
// Headless windows are surfaces and nothing more. Time stands still until a test advances the
// fake clock; input arrives only when a test injects it. Injected events are delivered at once,
// in the order given, as the message loop would deliver them: every injection first delivers
// the paints that are due (first shows, Invalidate), then the event, then the paints it caused.
//
// Mouse input is routed like the desktop does it: coordinates are in the client coordinates of
// the window passed, and the event goes to the topmost visible child under the point (in that
// child's client coordinates). A press captures the mouse: moves and the release go to the window
// that got the press until every button is up. The shift state's held-button bits are tracked
// here and added to what the test passes.
#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace platform::headless {

// Puts the backend back to its start: clock at 0, no modal script, the backend's own dialogs
// and desktop, an empty cursor list (but for 0), screen 1024 x 768, nothing captured, pending
// paints dropped. Windows and timers that still exist stay registered.
void Reset();

void SetScreenSize(int width, int height);

// Moves the fake clock on by ms, firing every timer that falls due on the way, in time order
// (at equal times, in the order the timers were enabled), with the clock standing at each
// timer's due time while it runs. Paints are delivered after each timer event.
void AdvanceClock(std::uint32_t ms);
std::uint32_t Now();
// The refresh rate FrameInterval answers with (Reset puts back 60 Hz).
void SetRefreshRate(double hz);

// Delivers the paints that are due.
void Pump();

void MouseDown(Window& window, MouseButton button, int x, int y, unsigned shift = 0);
void MouseMove(Window& window, int x, int y, unsigned shift = 0);
void MouseUp(Window& window, MouseButton button, int x, int y, unsigned shift = 0);
// Press and release at one point.
void Click(Window& window, int x, int y, MouseButton button = MouseButton::Left, unsigned shift = 0);
// A press at (x0, y0), moves through every point of the straight line to (x1, y1) in steps of
// at most `step` pixels, and the release there.
void Drag(Window& window, int x0, int y0, int x1, int y1, int step = 4,
          MouseButton button = MouseButton::Left, unsigned shift = 0);
// The window that a mouse event at (x, y) of window would go to, and the point in its client
// coordinates (capture is not considered).
Window* WindowAt(Window& window, int x, int y, int* client_x = nullptr, int* client_y = nullptr);

// Keys go to window's top-level window, or to the form control that has the focus there (see
// below). KeyDown delivers OnKeyDown and then, unless the handler
// set the key to 0, OnKeyPress with the character the key types on a US layout (letters, digits,
// space, VK_RETURN 13, VK_BACK 8, VK_TAB 9, VK_ESCAPE 27; none for the others). KeyUp delivers
// OnKeyUp; KeyPress delivers OnKeyPress alone.
void KeyDown(Window& window, int vk, unsigned shift = 0);
void KeyUp(Window& window, int vk, unsigned shift = 0);
void KeyPress(Window& window, char ch);
// Types text: for each character the key press alone (OnKeyPress).
void Type(Window& window, const std::string& text);

// ---- form controls ----
// As on the desktop, a press on an edit box, list or scroll bar gives it the focus (a press on a
// list also selects the item under it, with OnClick) and goes to no mouse handler; labels take
// the mouse like any window. Keys to a top-level window whose focus is on a control go to the
// control: its OnKeyDown / OnKeyUp, then what the key does there (an edit box types the
// character, Backspace and Delete erase, Left, Right, Home and End move the caret; a list moves
// its selection with Up, Down, Prior, Next, Home and End, with OnClick).

// The user types text (UTF-8) into the edit box: it takes the focus, and each character replaces
// the selection or goes in at the caret, as far as MaxLength lets it, each change with OnChange.
void TypeInto(EditBox& edit, const std::string& text);
// A key pressed and released in the control, whether or not it has the focus.
void PressKey(Control& control, int vk, unsigned shift = 0);
// The user clicks an item (selects it, OnClick) / double-clicks it (then OnDblClick too).
void ClickItem(ListBox& list, int index);
void DoubleClickItem(ListBox& list, int index);
// The user drags the thumb to position (clamped; OnScroll) / moves the bar by lines (the
// arrows, SmallChange each) and pages (beside the thumb, LargeChange each).
void ScrollTo(ScrollBar& bar, int position);
void ScrollBy(ScrollBar& bar, int lines, int pages = 0);

// The application is switched to / away from (Application::OnActivate / OnDeactivate, then the
// active top-level window's OnActivate / OnDeactivate).
void ActivateApp();
void DeactivateApp();
// The desktop minimises / closes a top-level window: Application::OnSysCommand first, then, for a
// close, what Window::Close does.
void Minimize(Window& window);
void RequestClose(Window& window);

// What the pointer would show at (x, y) of window.
std::string HintAt(Window& window, int x, int y);
int CursorAt(Window& window, int x, int y);

// The top-level window and its visible children composed as the screen would show them
// (child frames drawn), Width x Height of window.
gdi::HBITMAP Compose(Window& window);
// A pixel of the window's own surface as a COLORREF (CLR_INVALID outside).
gdi::COLORREF PixelAt(Window& window, int x, int y);

// How many times Flush or FlushAll brought a change to the screen in the middle of an event since
// Reset (what a long routine showed before it returned).
int FlushCount();

// The backend's own dialogs: scripted, answering the safe way unless a test queues answers.
ScriptedDialogs& Dialogs();
// The backend's own desktop services.
FakeDesktop& Desktop();
// The headless backend's printer (reset with the rest).
FakePrinting& Printer();
bool QuitRequested();

}  // namespace platform::headless
