#pragma once

#include "shell/printing/print_settings.h"

#include <QDialog>

class PrintSession;
struct PrinterList;
class QComboBox;
class QRadioButton;
class QSpinBox;

// Print Setup: printer, paper, orientation and copies for the next print. OK keeps the choice
// in the session; it never prints and never asks for a file.
class PrintSetupDialog : public QDialog {
    Q_OBJECT
  public:
    explicit PrintSetupDialog(PrintSession& session, QWidget* parent = nullptr);

    PrintSettings chosen() const;
    QComboBox* printerBox() const { return printer_; }
    QComboBox* paperBox() const { return paper_; }
    QRadioButton* landscapeButton() const { return landscape_; }
    QSpinBox* copiesBox() const { return copies_; }

  private:
    void listPrinters(const PrinterList& list);

    PrintSession& session_;
    bool printerPicked_ = false;  // the player picked in the printer box
    QComboBox* printer_ = nullptr;
    QComboBox* paper_ = nullptr;
    QRadioButton* portrait_ = nullptr;
    QRadioButton* landscape_ = nullptr;
    QSpinBox* copies_ = nullptr;
};

namespace printing {
// Shows the set-up dialog and waits for it; OK stores the choice in the session.
void runPrintSetup(PrintSession& session, QWidget* parent);
}  // namespace printing
