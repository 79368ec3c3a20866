// Form controls on the toolkit's own widgets (offscreen platform): the widget follows the
// program's state, and what the user does there comes back as the control's state and events.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <vector>

#include "platform/platform.h"
#include "platform/qt_internal.h"

namespace platform {
namespace {

void Settle() {
  for (int i = 0; i < 5; ++i) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
  }
}

template <typename W>
W* Native(Control& c) {
  return qt::WidgetOf(c)->findChild<W*>();
}

void Key(QWidget* to, int qt_key, const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, qt_key, Qt::NoModifier, text);
  QKeyEvent release(QEvent::KeyRelease, qt_key, Qt::NoModifier, text);
  QApplication::sendEvent(to, &press);
  QApplication::sendEvent(to, &release);
}

TEST(QtControls, AnEditTypesAsOnTheDesktopAndItsKeysStayOutOfTheForm) {
  Form form;
  form.SetClientSize(200, 80);
  EditBox edit(&form);
  edit.SetBounds(10, 30, 150, 22);
  edit.SetColour(gdi::RGB(255, 255, 255));
  edit.Show();
  std::vector<int> form_keys, ups;
  int changes = 0;
  form.OnKeyDown = [&](int& key, unsigned) { form_keys.push_back(key); };
  edit.OnKeyUp = [&](int& key, unsigned) { ups.push_back(key); };
  edit.OnChange = [&] { ++changes; };
  edit.SetText("old");
  edit.SelectAll();
  form.Show();
  Settle();
  QLineEdit* line = Native<QLineEdit>(edit);
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->geometry(), QRect(0, 0, 150, 22));
  EXPECT_EQ(line->selectedText(), "old");
  EXPECT_TRUE(edit.Focused());
  EXPECT_EQ(changes, 0);

  Key(line, Qt::Key_N, "n");
  Key(line, Qt::Key_Eacute, QString::fromUtf8("\xC3\xA9"));
  Key(line, Qt::Key_Left);
  Key(line, Qt::Key_Backspace);
  Key(line, Qt::Key_Return);
  EXPECT_EQ(edit.Text(), "\xC3\xA9");
  EXPECT_EQ(edit.SelStart(), 0);
  EXPECT_EQ(changes, 3);
  EXPECT_TRUE(form_keys.empty());
  EXPECT_EQ(ups.back(), VK_RETURN);
  form.Hide();
}

TEST(QtControls, AListAndAScrollBarReportTheUsersChoiceButNotTheProgramsOwn) {
  Form form;
  form.SetClientSize(300, 200);
  ListBox list(&form);
  ScrollBar bar(&form, Orientation::Vertical);
  Label label(&form);
  list.SetBounds(0, 0, 200, 64);
  bar.SetBounds(210, 0, 17, 100);
  label.SetBounds(230, 0, 60, 20);
  for (Window* w : std::initializer_list<Window*>{&list, &bar, &label}) w->Show();
  std::vector<std::string> chosen;
  std::vector<int> scrolled;
  list.OnClick = [&] { chosen.push_back(list.SelectedItem()); };
  bar.OnScroll = [&](int p) { scrolled.push_back(p); };
  list.SetSorted(true);
  for (const char* name : {"b", "c", "a", "e", "d", "f"}) list.AddItem(name);
  list.SetItemIndex(4);
  bar.SetRange(0, 359);
  bar.SetLargeChange(10);
  bar.SetPosition(45);
  label.SetCaption("45 Degrees");
  form.Show();
  Settle();

  QListWidget* widget = Native<QListWidget>(list);
  ASSERT_EQ(widget->count(), 6);
  EXPECT_EQ(widget->item(0)->text(), "a");
  EXPECT_EQ(widget->currentRow(), 4);
  EXPECT_EQ(widget->verticalScrollBar()->value(), list.TopIndex());
  widget->setFocus();
  Key(widget, Qt::Key_Down);
  EXPECT_EQ(list.ItemIndex(), 5);

  QScrollBar* native_bar = Native<QScrollBar>(bar);
  EXPECT_EQ(native_bar->value(), 45);
  EXPECT_EQ(native_bar->orientation(), Qt::Vertical);
  native_bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(bar.Position(), 55);
  EXPECT_EQ(Native<QLabel>(label)->text(), "45 Degrees");
  EXPECT_EQ(chosen, std::vector<std::string>{"f"});
  EXPECT_EQ(scrolled, std::vector<int>{55});

  // Focus on a list with nothing chosen chooses nothing.
  list.SetItemIndex(-1);
  QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
  QApplication::sendEvent(widget, &focus);
  Settle();
  EXPECT_EQ(list.ItemIndex(), -1);
  EXPECT_EQ(chosen, std::vector<std::string>{"f"});
  form.Hide();
}

}  // namespace
}  // namespace platform
