// Form controls on the headless backend: the state both backends share, and the user as tests
// play it (keys to the focused control, clicks on list items, scroll bars).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/headless.h"
#include "platform/platform.h"

namespace platform {
namespace {

class HeadlessControls : public ::testing::Test {
 protected:
  void SetUp() override { headless::Reset(); }
};

struct FormWithControls {
  Form form;
  Window picture{&form};
  EditBox edit{&form};
  ListBox list{&form};
  ScrollBar bar{&form, Orientation::Vertical};
  FormWithControls() {
    form.SetClientSize(300, 200);
    picture.SetBounds(0, 0, 20, 20);
    edit.SetBounds(30, 0, 200, 22);
    list.SetBounds(30, 40, 200, 64);  // four items of 16
    bar.SetBounds(250, 0, 17, 100);
    for (Window* w : std::initializer_list<Window*>{&picture, &edit, &list, &bar}) w->Show();
  }
};

TEST_F(HeadlessControls, TypingReplacesTheSelectionWithinMaxLengthAndOnlyTheUserFiresOnChange) {
  FormWithControls f;
  int changes = 0;
  f.edit.OnChange = [&] { ++changes; };
  f.edit.SetText("old words");
  f.edit.SelectAll();
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(f.edit.SelLength(), 9);

  headless::TypeInto(f.edit, "n\xC3\xA9w");  // three characters, four bytes
  EXPECT_EQ(f.edit.Text(), "n\xC3\xA9w");
  EXPECT_EQ(f.edit.Length(), 3);
  EXPECT_EQ(f.edit.SelStart(), 3);
  EXPECT_EQ(changes, 3);

  f.edit.SetMaxLength(5);
  headless::TypeInto(f.edit, "abcdef");
  EXPECT_EQ(f.edit.Text(), "n\xC3\xA9wab");
  f.edit.SetSelection(1, 1);
  headless::PressKey(f.edit, VK_BACK);
  EXPECT_EQ(f.edit.Text(), "nwab");
  f.edit.SetText("123456789");
  EXPECT_EQ(f.edit.Text(), "12345") << "the program's text is cut to MaxLength too";
}

TEST_F(HeadlessControls, TheShownFormFocusesItsFirstEditAndItsKeysGoThereNotToTheForm) {
  FormWithControls f;
  std::vector<int> form_keys, edit_up;
  f.form.OnKeyDown = [&](int& key, unsigned) { form_keys.push_back(key); };
  f.edit.OnKeyUp = [&](int& key, unsigned) { edit_up.push_back(key); };
  f.form.Show();
  ASSERT_TRUE(f.edit.Focused());

  headless::KeyDown(f.form, 'H', ssShift);
  headless::KeyPress(f.form, 'i');
  headless::KeyDown(f.form, VK_RETURN);
  headless::KeyUp(f.form, VK_RETURN);
  EXPECT_EQ(f.edit.Text(), "Hi");
  EXPECT_TRUE(form_keys.empty());
  EXPECT_EQ(edit_up, std::vector<int>{VK_RETURN});

  // A press on the list moves the focus there; a press on a plain window does not.
  headless::Click(f.form, 40, 40);
  EXPECT_TRUE(f.list.Focused());
  headless::Click(f.form, 5, 5);
  EXPECT_TRUE(f.list.Focused());
  auto other = std::make_unique<EditBox>(&f.form);
  other->SetFocus();
  other.reset();
  headless::KeyDown(f.form, 'X');
  EXPECT_EQ(form_keys, std::vector<int>{'X'}) << "a destroyed control leaves the keys to the form";
}

TEST_F(HeadlessControls, ASortedListOrdersWithoutCaseAndSelectsByClickKeysAndProgram) {
  FormWithControls f;
  f.form.Show();
  int clicks = 0;
  f.list.OnClick = [&] { ++clicks; };
  f.list.SetSorted(true);
  for (const char* name : {"delta", "Bravo", "alpha", "Charlie", "bravo", "echo"}) f.list.AddItem(name);
  EXPECT_EQ(f.list.Items(),
            (std::vector<std::string>{"alpha", "Bravo", "bravo", "Charlie", "delta", "echo"}));
  EXPECT_EQ(f.list.IndexOf("bravo"), 2);
  EXPECT_EQ(f.list.IndexOf("BRAVO"), -1);

  f.list.SetItemIndex(5);  // out of the four shown: scrolled into view, no event
  EXPECT_EQ(f.list.TopIndex(), 2);
  EXPECT_EQ(clicks, 0);
  headless::Click(f.form, 40, 40 + 16 + 3);  // the second row shown: item 3
  EXPECT_EQ(f.list.SelectedItem(), "Charlie");
  headless::KeyDown(f.form, VK_UP);
  EXPECT_EQ(f.list.ItemIndex(), 2);
  headless::Click(f.form, 40, 40 + 60);  // below the last item shown is item 5
  headless::Click(f.list, 10, 200);      // below all items: nothing
  EXPECT_EQ(clicks, 3);
  f.list.SetItemIndex(99);
  EXPECT_EQ(f.list.ItemIndex(), -1);
  EXPECT_EQ(f.list.SelectedItem(), "");
}

TEST_F(HeadlessControls, AScrollBarClampsEveryPositionAndReportsOnlyTheUsersMoves) {
  FormWithControls f;
  std::vector<int> scrolled;
  f.bar.OnScroll = [&](int position) { scrolled.push_back(position); };
  f.bar.SetRange(0, 359);
  f.bar.SetLargeChange(10);
  f.bar.SetPosition(400);
  EXPECT_EQ(f.bar.Position(), 359);
  headless::ScrollBy(f.bar, 0, -2);
  headless::ScrollBy(f.bar, 1);
  headless::ScrollTo(f.bar, -5);
  EXPECT_EQ(scrolled, (std::vector<int>{339, 340, 0}));
  f.bar.SetRange(10, 5);
  EXPECT_EQ(f.bar.Max(), 10);
  EXPECT_EQ(f.bar.Position(), 10);
}

}  // namespace
}  // namespace platform
