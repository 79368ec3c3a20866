// Form controls on the toolkit's own widgets. Each control's window widget hosts the toolkit
// widget, filling it; the widget follows the shared state and reports what the user did.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "platform/qt_internal.h"

namespace platform::qt {

namespace {

QColor ColourOf(gdi::COLORREF c) {
  return QColor(gdi::GetRValue(c), gdi::GetGValue(c), gdi::GetBValue(c));
}

QString ToQt(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
std::string FromQt(const QString& s) {
  return s.toStdString();
}

// Characters (code points) before UTF-16 position i of s, and the other way round.
int CharsBefore(const QString& s, int i) {
  return static_cast<int>(QStringView(s).left(std::clamp<qsizetype>(i, 0, s.size())).toUcs4().size());
}
int Utf16Before(const QString& s, int chars) {
  int i = 0;
  for (int n = 0; n < chars && i < s.size(); ++n)
    i += (s.at(i).isHighSurrogate() && i + 1 < s.size()) ? 2 : 1;
  return i;
}

class QtControl : public QObject, public Control::Peer {
 public:
  QtControl(Control& control, QWidget* native)
      : control_(control), native_(native), host_(WidgetOf(control)) {
    native_->setParent(host_);
    native_->setGeometry(0, 0, host_->width(), host_->height());
    native_->setFocusPolicy(control.TakesFocus() ? Qt::StrongFocus : Qt::NoFocus);
    native_->show();
    host_->installEventFilter(this);
    native_->installEventFilter(this);
  }
  ~QtControl() override {
    if (native_ != nullptr) {
      native_->hide();
      native_->deleteLater();
    }
  }

  void Changed(detail::ControlChange what) override {
    if (native_ == nullptr) return;
    pushing_ = true;
    if (what == detail::ControlChange::Style) {
      ApplyStyle();
    } else if (what == detail::ControlChange::Focus) {
      native_->setFocus(Qt::OtherFocusReason);
    }
    Push(what);
    pushing_ = false;
  }

 protected:
  virtual void Push(detail::ControlChange what) = 0;

  void ApplyStyle() {
    QPalette palette = QApplication::palette(native_);
    const QColor back = ColourOf(control_.Colour()), text = ColourOf(control_.TextColour());
    palette.setColor(QPalette::Base, back);
    palette.setColor(QPalette::Window, back);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::WindowText, text);
    native_->setPalette(palette);
    QFont font = QApplication::font(native_);
    if (!control_.FontFace().empty()) {
      // The family the canvas's text would be drawn with, so that a sample shows what a tool draws
      // even for a face that is not installed under its own name.
      const std::string drawn = gdi::MatchedFontFamily(control_.FontFace());
      font.setFamily(ToQt(drawn.empty() ? control_.FontFace() : drawn));
    }
    if (control_.FontHeight() > 0) font.setPixelSize(control_.FontHeight());
    font.setBold(control_.FontBold());
    native_->setFont(font);
  }

  bool eventFilter(QObject* watched, QEvent* e) override {
    if (watched == host_ && e->type() == QEvent::Resize && native_ != nullptr) {
      native_->setGeometry(0, 0, host_->width(), host_->height());
      return false;
    }
    if (watched != native_) return false;
    switch (e->type()) {
      case QEvent::FocusIn:
        control_.TopLevel()->impl().focus = &control_;
        return false;
      case QEvent::KeyPress: {
        // The control's handler first; what it lets through the widget gets, and nothing goes on
        // to the form.
        auto* key_event = static_cast<QKeyEvent*>(e);
        const int vk = VirtualKeyFromQt(key_event->key(), (key_event->modifiers() & Qt::KeypadModifier) != 0);
        int key = vk;
        QPointer<QObject> alive(this);
        if (vk != 0 && control_.OnKeyDown)
          control_.OnKeyDown(key, ShiftFromQt(key_event->modifiers(), Qt::NoButton));
        if (alive != nullptr && native_ != nullptr && (vk == 0 || key != 0))
          static_cast<QObject*>(native_.data())->event(e);
        e->accept();
        return true;
      }
      case QEvent::KeyRelease: {
        auto* key_event = static_cast<QKeyEvent*>(e);
        QPointer<QObject> alive(this);
        static_cast<QObject*>(native_.data())->event(e);
        if (alive != nullptr && !key_event->isAutoRepeat() && control_.OnKeyUp) {
          int key = VirtualKeyFromQt(key_event->key(), (key_event->modifiers() & Qt::KeypadModifier) != 0);
          if (key != 0) control_.OnKeyUp(key, ShiftFromQt(key_event->modifiers(), Qt::NoButton));
        }
        e->accept();
        return true;
      }
      default:
        return false;
    }
  }

  Control& control_;
  QPointer<QWidget> native_;
  QPointer<QWidget> host_;
  bool pushing_ = false;  // the program's own change: the widget's signals are not the user's
};

class QtEdit final : public QtControl {
 public:
  explicit QtEdit(EditBox& edit)
      : QtControl(edit, new QLineEdit), edit_(edit), line_(static_cast<QLineEdit*>(native_.data())) {
    line_->setFrame(false);
    connect(line_, &QLineEdit::textEdited, this, [this] {
      if (pushing_) return;
      const auto [start, length] = Selection();
      edit_.UserEdited(FromQt(line_->text()), start, length);
    });
    const auto selected = [this] {
      if (pushing_) return;
      const auto [start, length] = Selection();
      edit_.UserSelected(start, length);
    };
    connect(line_, &QLineEdit::selectionChanged, this, selected);
    connect(line_, &QLineEdit::cursorPositionChanged, this, selected);
    Changed(detail::ControlChange::Style);
  }

 private:
  std::pair<int, int> Selection() const {
    const QString text = line_->text();
    if (!line_->hasSelectedText()) return {CharsBefore(text, line_->cursorPosition()), 0};
    const int start = line_->selectionStart(), end = line_->selectionEnd();
    return {CharsBefore(text, start), CharsBefore(text, end) - CharsBefore(text, start)};
  }

  void Push(detail::ControlChange what) override {
    const QSignalBlocker block(line_);
    switch (what) {
      case detail::ControlChange::Style:
        line_->setMaxLength(edit_.MaxLength() > 0 ? edit_.MaxLength() : 32767);
        [[fallthrough]];
      case detail::ControlChange::Text:
        if (line_->text() != ToQt(edit_.Text())) line_->setText(ToQt(edit_.Text()));
        [[fallthrough]];
      case detail::ControlChange::Selection: {
        const QString text = line_->text();
        const int start = Utf16Before(text, edit_.SelStart());
        const int end = Utf16Before(text, edit_.SelStart() + edit_.SelLength());
        if (end > start) {
          line_->setSelection(start, end - start);
        } else {
          line_->setCursorPosition(start);
        }
        break;
      }
      default:
        break;
    }
  }

  EditBox& edit_;
  QLineEdit* line_;
};

class QtList final : public QtControl {
 public:
  explicit QtList(ListBox& list)
      : QtControl(list, new QListWidget), list_(list), widget_(static_cast<QListWidget*>(native_.data())) {
    widget_->setSelectionMode(QAbstractItemView::SingleSelection);
    widget_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    widget_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    widget_->setUniformItemSizes(true);
    widget_->viewport()->installEventFilter(this);
    connect(widget_, &QListWidget::currentRowChanged, this, [this](int row) {
      if (pushing_ || row < 0) return;
      selected_in_press_ = true;
      list_.UserSelected(row);
    });
    // A click on the item already selected is a choice too.
    connect(widget_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
      if (pushing_ || selected_in_press_) return;
      list_.UserSelected(widget_->row(item));
    });
    connect(widget_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem*) {
      if (!pushing_ && list_.OnDblClick) list_.OnDblClick();
    });
    connect(widget_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
      if (!pushing_) list_.UserScrolled(value);
    });
    Changed(detail::ControlChange::Style);
  }

 private:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (watched == widget_->viewport() && e->type() == QEvent::MouseButtonPress) selected_in_press_ = false;
    if (watched == widget_ && e->type() == QEvent::FocusIn) {
      // A list that gets the focus with nothing chosen makes its first row current; that is the
      // toolkit's doing, not a choice of the child's, so it is not reported.
      QtControl::eventFilter(watched, e);
      pushing_ = true;
      static_cast<QObject*>(widget_)->event(e);
      pushing_ = false;
      return true;
    }
    return QtControl::eventFilter(watched, e);
  }

  void Push(detail::ControlChange what) override {
    const QSignalBlocker block(widget_);
    const QSignalBlocker block_bar(widget_->verticalScrollBar());
    switch (what) {
      case detail::ControlChange::Style:
      case detail::ControlChange::Items: {
        widget_->clear();
        for (const std::string& item : list_.Items()) {
          auto* row = new QListWidgetItem(ToQt(item));
          row->setSizeHint(QSize(0, list_.ItemHeight()));
          widget_->addItem(row);
        }
        [[fallthrough]];
      }
      case detail::ControlChange::ItemIndex:
        if (list_.ItemIndex() < 0) {
          widget_->clearSelection();
          widget_->setCurrentRow(-1);
        } else {
          widget_->setCurrentRow(list_.ItemIndex());
        }
        [[fallthrough]];
      case detail::ControlChange::TopIndex:
        widget_->verticalScrollBar()->setValue(list_.TopIndex());
        break;
      default:
        break;
    }
  }

  ListBox& list_;
  QListWidget* widget_;
  bool selected_in_press_ = false;
};

class QtScroll final : public QtControl {
 public:
  explicit QtScroll(ScrollBar& bar)
      : QtControl(bar, new QScrollBar(bar.GetOrientation() == Orientation::Vertical ? Qt::Vertical
                                                                                    : Qt::Horizontal)),
        bar_(bar),
        widget_(static_cast<QScrollBar*>(native_.data())) {
    connect(widget_, &QScrollBar::valueChanged, this, [this](int value) {
      if (!pushing_) bar_.UserScrolled(value);
    });
    Changed(detail::ControlChange::Style);
  }

 private:
  void Push(detail::ControlChange what) override {
    if (what != detail::ControlChange::Style && what != detail::ControlChange::Range) return;
    const QSignalBlocker block(widget_);
    widget_->setRange(bar_.Min(), bar_.Max());
    widget_->setSingleStep(bar_.SmallChange());
    widget_->setPageStep(bar_.LargeChange());
    widget_->setValue(bar_.Position());
  }

  ScrollBar& bar_;
  QScrollBar* widget_;
};

class QtLabel final : public QtControl {
 public:
  explicit QtLabel(Label& label)
      : QtControl(label, new QLabel), label_(label), widget_(static_cast<QLabel*>(native_.data())) {
    widget_->setTextFormat(Qt::PlainText);
    widget_->setAutoFillBackground(true);
    // Clicks go through to the label's window, which hands them to the program.
    widget_->setAttribute(Qt::WA_TransparentForMouseEvents);
    Changed(detail::ControlChange::Style);
  }

 private:
  void Push(detail::ControlChange what) override {
    if (what != detail::ControlChange::Style) return;
    widget_->setText(ToQt(label_.Caption()));
    const Qt::Alignment h = label_.Alignment() == TextAlign::Centre  ? Qt::AlignHCenter
                            : label_.Alignment() == TextAlign::Right ? Qt::AlignRight
                                                                     : Qt::AlignLeft;
    widget_->setAlignment(h | Qt::AlignVCenter);
    widget_->setWordWrap(label_.WordWrap());
  }

  Label& label_;
  QLabel* widget_;
};

}  // namespace

}  // namespace platform::qt

namespace platform::detail {

std::unique_ptr<Control::Peer> CreateControlPeer(Control& control) {
  if (auto* edit = dynamic_cast<EditBox*>(&control)) return std::make_unique<qt::QtEdit>(*edit);
  if (auto* list = dynamic_cast<ListBox*>(&control)) return std::make_unique<qt::QtList>(*list);
  if (auto* bar = dynamic_cast<ScrollBar*>(&control)) return std::make_unique<qt::QtScroll>(*bar);
  return std::make_unique<qt::QtLabel>(static_cast<Label&>(control));
}

}  // namespace platform::detail
