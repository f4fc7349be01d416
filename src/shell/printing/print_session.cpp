#include "shell/printing/print_session.h"

#include "shell/printing/print_system.h"

PrintSession::PrintSession(std::unique_ptr<PrintSystem> system, QObject* parent)
    : QObject(parent), system_(std::move(system)) {
    settings_.paper = printing::localPaper();
}

PrintSession::~PrintSession() = default;

void PrintSession::choose(const PrintSettings& settings) {
    settings_ = settings;
    chosenByPlayer_ = true;
}

void PrintSession::pickUpDefault(QObject* context, std::function<void()> adopted) {
    if (chosenByPlayer_ || !settings_.printer.isEmpty()) return;
    system_->listPrinters(context, [this, adopted](const PrinterList& list) {
        if (adoptDefault(list) && adopted) adopted();
    });
}

bool PrintSession::adoptDefault(const PrinterList& list) {
    if (chosenByPlayer_ || !settings_.printer.isEmpty() || list.defaultName.isEmpty()) return false;
    settings_.printer = list.defaultName;
    return true;
}
