// Printing through the toolkit's printer support: every printer the desktop's printing system
// (CUPS) knows, or a PDF file. One printer object lives for the run, so what the printer dialog
// chose holds for every later document.
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <memory>

#include "platform/qt_internal.h"

namespace platform {

namespace {

class QtPrintJob final : public PrintJob {
 public:
  QtPrintJob(QPrinter& printer, std::unique_ptr<QPainter> painter)
      : printer_(printer), painter_(std::move(painter)) {}
  ~QtPrintJob() override {
    if (painter_ && painter_->isActive()) {
      printer_.abort();
      painter_->end();
    }
  }
  int PageWidth() const override { return printer_.width(); }
  int PageHeight() const override { return printer_.height(); }
  void DrawBitmap(int x, int y, const gdi::Bitmap& bitmap) override {
    if (bitmap.Width() <= 0 || bitmap.Height() <= 0) return;
    // The surface's words are 0x00RRGGBB: the toolkit's RGB32 ignores the top byte, so the pixels
    // are used where they are.
    const QImage image(reinterpret_cast<const uchar*>(bitmap.Pixels()), bitmap.Width(), bitmap.Height(),
                       bitmap.Width() * 4, QImage::Format_RGB32);
    painter_->drawImage(QPoint(x, y), image);
  }
  void DrawText(int x, int y, const std::string& text) override {
    painter_->drawText(QPoint(x, y + painter_->fontMetrics().ascent()), QString::fromLatin1(text.c_str()));
  }
  bool End(std::string* error) override {
    if (!painter_->end()) {
      if (error) *error = "The printing system did not take the picture.";
      return false;
    }
    return true;
  }

 private:
  QPrinter& printer_;
  std::unique_ptr<QPainter> painter_;
};

class QtPrinting final : public Printing {
 public:
  bool Setup(Window* owner) override {
    QPrinter& printer = qt::ProgramPrinter();
    QWidget* parent = owner != nullptr ? qt::WidgetOf(*owner->TopLevel()) : nullptr;
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle("Print Setup");
    return dialog.exec() == QDialog::Accepted;
  }

  std::unique_ptr<PrintJob> Begin(const std::string& title, PageOrientation orientation,
                                  std::string* error) override {
    QPrinter& printer = qt::ProgramPrinter();
    // A PDF file named by SetOutputFile, or chosen in the printer dialog ("Print to File"), needs
    // no printer; anything else goes to a printer of the printing system.
    const bool to_file = printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
    if (!to_file) {
      if (QPrinterInfo::availablePrinters().isEmpty()) {
        if (error)
          *error = "No printer is installed. Add a printer in the system settings, then print again.";
        return nullptr;
      }
      if (printer.outputFormat() != QPrinter::NativeFormat || !printer.isValid()) {
        printer.setOutputFileName(QString());
        printer.setOutputFormat(QPrinter::NativeFormat);
        if (!printer.isValid()) printer.setPrinterName(QPrinterInfo::defaultPrinter().printerName());
      }
    }
    printer.setPageOrientation(orientation == PageOrientation::Portrait ? QPageLayout::Portrait
                                                                        : QPageLayout::Landscape);
    printer.setDocName(QString::fromStdString(title));
    printer.setFullPage(false);  // (0, 0) is the printable area's corner
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(&printer)) {
      if (error) *error = "The printer cannot print now. Check that it is switched on and connected.";
      return nullptr;
    }
    return std::make_unique<QtPrintJob>(printer, std::move(painter));
  }

  void SetOutputFile(const std::string& pdf_path) override {
    QPrinter& printer = qt::ProgramPrinter();
    if (pdf_path.empty()) {
      printer.setOutputFileName(QString());
      printer.setOutputFormat(QPrinter::NativeFormat);
      return;
    }
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf_path));
  }
};

}  // namespace

namespace qt {

QPrinter& ProgramPrinter() {
  static QPrinter printer(QPrinter::HighResolution);
  return printer;
}

}  // namespace qt

namespace detail {

Printing& BackendPrinting() {
  static QtPrinting printing;
  return printing;
}

}  // namespace detail

}  // namespace platform
