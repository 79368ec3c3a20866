// Message boxes on Qt.
#include <QMessageBox>

#include "platform/qt_internal.h"

namespace platform {

namespace {

class QtDialogs final : public Dialogs {
 public:
  int MessageBox(Window* owner, const std::string& text, const std::string& caption,
                 unsigned flags) override {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (flags & MB_ICONMASK) {
      case MB_ICONERROR: icon = QMessageBox::Critical; break;
      case MB_ICONQUESTION: icon = QMessageBox::Question; break;
      case MB_ICONWARNING: icon = QMessageBox::Warning; break;
      case MB_ICONINFORMATION: icon = QMessageBox::Information; break;
      default: break;
    }
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton escape = QMessageBox::Ok;
    switch (flags & MB_TYPEMASK) {
      case MB_OKCANCEL:
        buttons = QMessageBox::Ok | QMessageBox::Cancel;
        escape = QMessageBox::Cancel;
        break;
      case MB_YESNO:
        buttons = QMessageBox::Yes | QMessageBox::No;
        escape = QMessageBox::No;
        break;
      case MB_YESNOCANCEL:
        buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        escape = QMessageBox::Cancel;
        break;
      default:
        break;
    }
    QWidget* parent = owner != nullptr ? qt::WidgetOf(*owner->TopLevel()) : nullptr;
    QMessageBox box(icon, QString::fromStdString(caption), QString::fromStdString(text), buttons, parent);
    box.setEscapeButton(escape);
    box.setWindowModality(Qt::ApplicationModal);
    switch (box.exec()) {
      case QMessageBox::Yes: return IDYES;
      case QMessageBox::No: return IDNO;
      case QMessageBox::Cancel: return IDCANCEL;
      case QMessageBox::Ok: return IDOK;
      default:
        // Closed from the desktop: the answer of the escape button.
        return escape == QMessageBox::No ? IDNO : escape == QMessageBox::Cancel ? IDCANCEL : IDOK;
    }
  }
};

}  // namespace

namespace detail {

Dialogs& BackendDialogs() {
  static QtDialogs dialogs;
  return dialogs;
}

}  // namespace detail

}  // namespace platform
