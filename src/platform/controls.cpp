// Form controls: the state both backends share. The backends' peers only follow it and report
// what the user did.
#include <algorithm>
#include <cctype>

#include "platform/backend.h"

namespace platform {

namespace detail {

int Utf8Length(const std::string& s) {
  int n = 0;
  for (const char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

std::size_t Utf8Offset(const std::string& s, int index) {
  std::size_t i = 0;
  for (int n = 0; i < s.size(); ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) continue;
    if (n++ == index) return i;
  }
  return s.size();
}

}  // namespace detail

namespace {

using detail::Utf8Length;
using detail::Utf8Offset;

std::string Utf8Left(const std::string& s, int characters) {
  return s.substr(0, Utf8Offset(s, characters));
}

// The order of a sorted list: without regard to ASCII case, ties in byte order.
bool ItemLess(const std::string& a, const std::string& b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const int ca = std::tolower(static_cast<unsigned char>(a[i]));
    const int cb = std::tolower(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca < cb;
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

Control* FirstFocusable(Window& w) {
  for (Window* child : w.Children()) {
    if (!child->Visible()) continue;
    Control* c = child->impl().control;
    if (c != nullptr && c->TakesFocus()) return c;
    if (Control* inner = FirstFocusable(*child)) return inner;
  }
  return nullptr;
}

}  // namespace

namespace detail {

void FocusFirstControl(Window& top) {
  if (top.impl().focus != nullptr) return;
  if (Control* c = FirstFocusable(top)) c->SetFocus();
}

}  // namespace detail

std::vector<std::string> ScreenFontFamilies() {
  // The text layer names faces in Latin-1; the controls speak UTF-8.
  std::vector<std::string> out;
  for (const std::string& name : gdi::ListFontFamilies()) {
    std::string utf8;
    for (const char ch : name) {
      const auto c = static_cast<unsigned char>(ch);
      if (c < 0x80) {
        utf8 += ch;
      } else {
        utf8 += static_cast<char>(0xC0 | (c >> 6));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
      }
    }
    out.push_back(std::move(utf8));
  }
  return out;
}

// ---- Control ---------------------------------------------------------------------------------

Control::Control(Window* parent, bool takes_focus) : Window(parent), takes_focus_(takes_focus) {
  impl().control = this;
  SetTransparent(true);
}

Control::~Control() {
  Window* top = TopLevel();
  if (top->impl().focus == this) top->impl().focus = nullptr;
  control_peer_.reset();
  impl().control = nullptr;
}

void Control::AttachPeer() {
  control_peer_ = detail::CreateControlPeer(*this);
}

void Control::SetFont(const std::string& face, int pixel_height, bool bold) {
  font_face_ = face;
  font_height_ = std::max(0, pixel_height);
  font_bold_ = bold;
  if (control_peer_) control_peer_->Changed(detail::ControlChange::Style);
}

void Control::SetTextColour(gdi::COLORREF colour) {
  text_colour_ = colour & 0xFFFFFF;
  if (control_peer_) control_peer_->Changed(detail::ControlChange::Style);
}

void Control::SetFocus() {
  if (!takes_focus_) return;
  TopLevel()->impl().focus = this;
  if (control_peer_) control_peer_->Changed(detail::ControlChange::Focus);
}

bool Control::Focused() const {
  const Window* top = this;
  while (top->Parent() != nullptr) top = top->Parent();
  return top->impl().focus == this;
}

// ---- EditBox ---------------------------------------------------------------------------------

EditBox::EditBox(Window* parent) : Control(parent, true) {
  AttachPeer();
}

int EditBox::Length() const {
  return Utf8Length(text_);
}

void EditBox::SetText(const std::string& text) {
  text_ = max_length_ > 0 ? Utf8Left(text, max_length_) : text;
  sel_start_ = Length();
  sel_length_ = 0;
  if (ControlPeer()) ControlPeer()->Changed(detail::ControlChange::Text);
}

void EditBox::SelectAll() {
  SetSelection(0, Length());
}

void EditBox::SetSelection(int start, int length) {
  const int n = Length();
  sel_start_ = std::clamp(start, 0, n);
  sel_length_ = std::clamp(length, 0, n - sel_start_);
  if (ControlPeer()) ControlPeer()->Changed(detail::ControlChange::Selection);
}

void EditBox::SetMaxLength(int characters) {
  max_length_ = std::max(0, characters);
  if (max_length_ > 0 && Length() > max_length_) {
    SetText(text_);
  } else if (ControlPeer()) {
    ControlPeer()->Changed(detail::ControlChange::Style);
  }
}

void EditBox::UserEdited(const std::string& text, int sel_start, int sel_length) {
  const bool changed = text != text_;
  text_ = max_length_ > 0 ? Utf8Left(text, max_length_) : text;
  const int n = Length();
  sel_start_ = std::clamp(sel_start, 0, n);
  sel_length_ = std::clamp(sel_length, 0, n - sel_start_);
  if (changed && OnChange) OnChange();
}

void EditBox::UserSelected(int sel_start, int sel_length) {
  const int n = Length();
  sel_start_ = std::clamp(sel_start, 0, n);
  sel_length_ = std::clamp(sel_length, 0, n - sel_start_);
}

// ---- ListBox ---------------------------------------------------------------------------------

ListBox::ListBox(Window* parent) : Control(parent, true) {
  AttachPeer();
}

void ListBox::SetSorted(bool sorted) {
  if (sorted_ == sorted) return;
  sorted_ = sorted;
  if (!sorted_) return;
  const std::string chosen = SelectedItem();
  const bool had = item_index_ >= 0;
  std::stable_sort(items_.begin(), items_.end(), ItemLess);
  if (ControlPeer()) ControlPeer()->Changed(detail::ControlChange::Items);
  SetItemIndex(had ? IndexOf(chosen) : -1);
}

void ListBox::Clear() {
  items_.clear();
  item_index_ = -1;
  top_index_ = 0;
  if (ControlPeer()) ControlPeer()->Changed(detail::ControlChange::Items);
}

int ListBox::AddItem(const std::string& item) {
  std::size_t at = items_.size();
  if (sorted_) {
    at = static_cast<std::size_t>(std::upper_bound(items_.begin(), items_.end(), item, ItemLess) -
                                  items_.begin());
  }
  items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), item);
  if (item_index_ >= static_cast<int>(at)) ++item_index_;
  if (ControlPeer()) ControlPeer()->Changed(detail::ControlChange::Items);
  return static_cast<int>(at);
}

void ListBox::SetItems(const std::vector<std::string>& items) {
  items_ = items;
  if (sorted_) std::stable_sort(items_.begin(), items_.end(), ItemLess);
  item_index_ = -1;
  top_index_ = 0;
  if (ControlPeer()) ControlPeer()->Changed(detail::ControlChange::Items);
}

int ListBox::IndexOf(const std::string& item) const {
  const auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

int ListBox::VisibleItems() const {
  return std::max(1, ClientHeight() / std::max(1, item_height_));
}

void ListBox::SetItemIndex(int index) {
  item_index_ = (index >= 0 && index < Count()) ? index : -1;
  if (ControlPeer()) ControlPeer()->Changed(detail::ControlChange::ItemIndex);
  if (item_index_ < 0) return;
  if (item_index_ < top_index_) {
    SetTopIndex(item_index_);
  } else if (item_index_ >= top_index_ + VisibleItems()) {
    SetTopIndex(item_index_ - VisibleItems() + 1);
  }
}

std::string ListBox::SelectedItem() const {
  return item_index_ >= 0 ? items_[static_cast<std::size_t>(item_index_)] : std::string();
}

void ListBox::SetItemHeight(int pixels) {
  item_height_ = std::max(1, pixels);
  if (ControlPeer()) ControlPeer()->Changed(detail::ControlChange::Style);
}

void ListBox::SetTopIndex(int index) {
  top_index_ = std::clamp(index, 0, std::max(0, Count() - VisibleItems()));
  if (ControlPeer()) ControlPeer()->Changed(detail::ControlChange::TopIndex);
}

void ListBox::UserSelected(int index) {
  if (index < 0 || index >= Count()) return;
  item_index_ = index;
  if (OnClick) OnClick();
}

void ListBox::UserScrolled(int top_index) {
  top_index_ = std::clamp(top_index, 0, std::max(0, Count() - VisibleItems()));
}

// ---- ScrollBar -------------------------------------------------------------------------------

ScrollBar::ScrollBar(Window* parent, Orientation orientation)
    : Control(parent, false), orientation_(orientation) {
  AttachPeer();
}

void ScrollBar::SetRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  position_ = std::clamp(position_, min_, max_);
  if (ControlPeer()) ControlPeer()->Changed(detail::ControlChange::Range);
}

void ScrollBar::SetPosition(int position) {
  position_ = std::clamp(position, min_, max_);
  if (ControlPeer()) ControlPeer()->Changed(detail::ControlChange::Range);
}

void ScrollBar::SetSmallChange(int change) {
  small_change_ = std::max(1, change);
  if (ControlPeer()) ControlPeer()->Changed(detail::ControlChange::Range);
}

void ScrollBar::SetLargeChange(int change) {
  large_change_ = std::max(1, change);
  if (ControlPeer()) ControlPeer()->Changed(detail::ControlChange::Range);
}

void ScrollBar::UserScrolled(int position) {
  position_ = std::clamp(position, min_, max_);
  if (OnScroll) OnScroll(position_);
}

// ---- Label -----------------------------------------------------------------------------------

Label::Label(Window* parent) : Control(parent, false) {
  AttachPeer();
}

void Label::SetAlignment(TextAlign align) {
  align_ = align;
  if (ControlPeer()) ControlPeer()->Changed(detail::ControlChange::Style);
}

void Label::SetWordWrap(bool wrap) {
  wrap_ = wrap;
  if (ControlPeer()) ControlPeer()->Changed(detail::ControlChange::Style);
}

}  // namespace platform
