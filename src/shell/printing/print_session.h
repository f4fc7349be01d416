#pragma once

#include "shell/printing/print_settings.h"

#include <QObject>

#include <functional>
#include <memory>

class PrintSystem;
struct PrinterList;

// The printer choice of the run: set-up changes hold for every later print. Starts with no
// printer (a PDF file); the system's default printer is adopted when a print dialog opens, so
// a print server that starts after the game is found then.
class PrintSession : public QObject {
    Q_OBJECT
  public:
    explicit PrintSession(std::unique_ptr<PrintSystem> system, QObject* parent = nullptr);
    ~PrintSession() override;

    const PrintSettings& settings() const { return settings_; }
    // A choice confirmed in set-up; from then on the default printer is not adopted over it.
    void choose(const PrintSettings& settings);
    PrintSystem& system() { return *system_; }

    // While the player has chosen nothing and no printer is known, asks the system for its
    // default printer without waiting; `adopted` runs if one is taken up.
    void pickUpDefault(QObject* context, std::function<void()> adopted);
    // Takes up the list's default printer while the player has chosen nothing and no printer is
    // known; true if it did.
    bool adoptDefault(const PrinterList& list);

  private:
    std::unique_ptr<PrintSystem> system_;
    PrintSettings settings_;
    bool chosenByPlayer_ = false;
};
