// What the headless backend's input routing asks of its form controls. Private to src/platform.
#pragma once

#include "platform/platform.h"

namespace platform::headless_twin {

// The character a key types on a US layout (0 for none).
int TypedChar(int vk, unsigned shift);

// Each returns true when a form control took the event, which then goes nowhere else.
// A press on an edit box, list or scroll bar (labels take the mouse like any window).
bool ControlMouseDown(Window& target, MouseButton button, int x, int y);
// Keys of a top-level window whose focus is on a showing control.
bool ControlKeyDown(Window& top, int vk, unsigned shift);
bool ControlKeyUp(Window& top, int vk, unsigned shift);
bool ControlKeyPress(Window& top, char ch);

}  // namespace platform::headless_twin
