// Form controls without a screen: the shared state is all there is, and the test plays the user.
#include <algorithm>

#include "platform/backend.h"
#include "platform/headless.h"
#include "platform/headless_internal.h"

namespace platform {

namespace {

class HeadlessControlPeer final : public Control::Peer {
 public:
  void Changed(detail::ControlChange) override {}
};

// The user's text goes in at the caret, over the selection, as far as MaxLength lets it.
void Insert(EditBox& edit, const std::string& typed) {
  const std::string& text = edit.Text();
  const int start = edit.SelStart(), end = start + edit.SelLength();
  std::string add = typed;
  if (edit.MaxLength() > 0) {
    const int room = std::max(0, edit.MaxLength() - (edit.Length() - edit.SelLength()));
    add = add.substr(0, detail::Utf8Offset(add, room));
  }
  if (add.empty() && edit.SelLength() == 0) return;
  const std::size_t a = detail::Utf8Offset(text, start), b = detail::Utf8Offset(text, end);
  edit.UserEdited(text.substr(0, a) + add + text.substr(b), start + detail::Utf8Length(add), 0);
}

// Removes the selection, or else the character before (back) or after the caret.
void Erase(EditBox& edit, bool back) {
  int start = edit.SelStart(), length = edit.SelLength();
  if (length == 0) {
    if (back && start > 0) {
      start -= 1;
      length = 1;
    } else if (!back && start < edit.Length()) {
      length = 1;
    } else {
      return;
    }
  }
  const std::string& text = edit.Text();
  const std::size_t a = detail::Utf8Offset(text, start), b = detail::Utf8Offset(text, start + length);
  edit.UserEdited(text.substr(0, a) + text.substr(b), start, 0);
}

std::string Utf8OfLatin1(char ch) {
  const auto c = static_cast<unsigned char>(ch);
  if (c < 0x80) return std::string(1, ch);
  return {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
}

// What a key does in the control, after its OnKeyDown let it through.
void KeyAction(Control& control, int vk, unsigned shift) {
  if (auto* edit = dynamic_cast<EditBox*>(&control)) {
    const int caret = edit->SelStart() + edit->SelLength();
    switch (vk) {
      case VK_BACK:
        Erase(*edit, true);
        return;
      case VK_DELETE:
        Erase(*edit, false);
        return;
      case VK_LEFT:
        edit->UserSelected(edit->SelLength() > 0 ? edit->SelStart() : edit->SelStart() - 1, 0);
        return;
      case VK_RIGHT:
        edit->UserSelected(edit->SelLength() > 0 ? caret : caret + 1, 0);
        return;
      case VK_HOME:
        edit->UserSelected(0, 0);
        return;
      case VK_END:
        edit->UserSelected(edit->Length(), 0);
        return;
      default:
        break;
    }
    const int ch = headless_twin::TypedChar(vk, shift);
    if (ch >= 0x20) Insert(*edit, std::string(1, static_cast<char>(ch)));
    return;
  }
  if (auto* list = dynamic_cast<ListBox*>(&control)) {
    if (list->Count() == 0) return;
    const int at = list->ItemIndex(), page = list->VisibleItems();
    int to = at;
    switch (vk) {
      case VK_UP:
        to = at - 1;
        break;
      case VK_DOWN:
        to = at + 1;
        break;
      case VK_PRIOR:
        to = at - page;
        break;
      case VK_NEXT:
        to = at + page;
        break;
      case VK_HOME:
        to = 0;
        break;
      case VK_END:
        to = list->Count() - 1;
        break;
      default:
        return;
    }
    to = std::clamp(to, 0, list->Count() - 1);
    if (to == at) return;
    list->SetItemIndex(to);
    list->UserSelected(to);
  }
}

Control* FocusOf(Window& top) {
  Control* c = top.impl().focus;
  return c != nullptr && c->Showing() ? c : nullptr;
}

}  // namespace

namespace detail {

std::unique_ptr<Control::Peer> CreateControlPeer(Control&) {
  return std::make_unique<HeadlessControlPeer>();
}

}  // namespace detail

namespace headless_twin {

bool ControlMouseDown(Window& target, MouseButton button, int x, int y) {
  Control* control = target.impl().control;
  if (control == nullptr || dynamic_cast<Label*>(control) != nullptr) return false;
  control->SetFocus();
  if (auto* list = dynamic_cast<ListBox*>(control); list != nullptr && button == MouseButton::Left) {
    const int index = list->TopIndex() + y / list->ItemHeight();
    if (y >= 0 && index < list->Count()) {
      list->SetItemIndex(index);
      list->UserSelected(index);
    }
  }
  return true;
}

bool ControlKeyDown(Window& top, int vk, unsigned shift) {
  Control* control = FocusOf(top);
  if (control == nullptr) return false;
  int key = vk;
  if (control->OnKeyDown) control->OnKeyDown(key, shift);
  if (key != 0 && control->Showing()) KeyAction(*control, vk, shift);
  return true;
}

bool ControlKeyUp(Window& top, int vk, unsigned shift) {
  Control* control = FocusOf(top);
  if (control == nullptr) return false;
  int key = vk;
  if (control->OnKeyUp) control->OnKeyUp(key, shift);
  return true;
}

bool ControlKeyPress(Window& top, char ch) {
  Control* control = FocusOf(top);
  if (control == nullptr) return false;
  auto* edit = dynamic_cast<EditBox*>(control);
  if (edit == nullptr) return true;
  if (ch == 8) {
    Erase(*edit, true);
  } else if (static_cast<unsigned char>(ch) >= 0x20) {
    Insert(*edit, Utf8OfLatin1(ch));
  }
  return true;
}

}  // namespace headless_twin

namespace headless {

void TypeInto(EditBox& edit, const std::string& text) {
  Pump();
  edit.SetFocus();
  for (std::size_t i = 0; i < text.size();) {
    std::size_t n = 1;
    while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80) ++n;
    Insert(edit, text.substr(i, n));
    i += n;
  }
  Pump();
}

void PressKey(Control& control, int vk, unsigned shift) {
  Pump();
  int key = vk;
  if (control.OnKeyDown) control.OnKeyDown(key, shift);
  if (key != 0) KeyAction(control, vk, shift);
  Pump();
  key = vk;
  if (control.OnKeyUp) control.OnKeyUp(key, shift);
  Pump();
}

void ClickItem(ListBox& list, int index) {
  Pump();
  if (index >= 0 && index < list.Count()) {
    list.SetItemIndex(index);
    list.UserSelected(index);
  }
  Pump();
}

void DoubleClickItem(ListBox& list, int index) {
  ClickItem(list, index);
  if (index >= 0 && index < list.Count() && list.OnDblClick) list.OnDblClick();
  Pump();
}

void ScrollTo(ScrollBar& bar, int position) {
  Pump();
  bar.UserScrolled(position);
  Pump();
}

void ScrollBy(ScrollBar& bar, int lines, int pages) {
  ScrollTo(bar, bar.Position() + lines * bar.SmallChange() + pages * bar.LargeChange());
}

}  // namespace headless

}  // namespace platform
