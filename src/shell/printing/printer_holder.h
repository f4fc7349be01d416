#pragma once

#include <memory>

class QPrinter;

// The program's one printer object: set-up changes made through File > Print Setup ... or the
// print dialog's "Setup..." hold for every later print of the run. Created on first use, since
// asking the print system for its printers takes a moment.
class PrinterHolder {
  public:
    PrinterHolder();
    ~PrinterHolder();
    QPrinter& printer();

  private:
    std::unique_ptr<QPrinter> printer_;
};
