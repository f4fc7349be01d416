#include "shell/printing/print_dialog.h"

#include "board/board_window.h"
#include "platform/dialog_keys.h"
#include "platform/dialogs.h"
#include "platform/owned_window.h"
#include "platform/services.h"
#include "platform/twips.h"
#include "shell/printing/board_printing.h"
#include "shell/printing/printer_summary.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

// Design layout, in twips.
constexpr double kClientWidth = 4800;
constexpr double kClientHeight = 2340;
constexpr double kCaptionLeft = 240;
constexpr double kValueLeft = 2040;
constexpr double kRowHeight = 285;
constexpr double kButtonTop = 1620;
constexpr double kButtonWidth = 1380;
constexpr double kButtonHeight = 435;

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, double left, double top,
                 double width) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(twips::rect(left, top, width, kRowHeight));
    return label;
}

QLabel* addValue(QWidget* parent, const char* name, const QString& text, double top) {
    QLabel* label = addLabel(parent, name, text, kValueLeft, top, kClientWidth - kValueLeft - 240);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return label;
}

QPushButton* addButton(QWidget* parent, const char* name, const QString& text, int slot) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(twips::rect(kCaptionLeft + slot * (kButtonWidth + 60), kButtonTop,
                                    kButtonWidth, kButtonHeight));
    return button;
}

void addRule(QWidget* parent, double top) {
    auto* line = new QFrame(parent);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setGeometry(twips::rect(kCaptionLeft, top, kClientWidth - 2 * kCaptionLeft, 30));
}

}  // namespace

PrintDialog::PrintDialog(Services& services, BoardWindow& board, QPrinter& printer, QWidget* parent)
    : QWidget(parent, Qt::Dialog), services_(services), board_(board), printer_(printer) {
    setObjectName(QStringLiteral("print_act"));
    setWindowTitle(QStringLiteral("Print WordSearch"));
    setFixedSize(twips::toPixelsRounded(kClientWidth), twips::toPixelsRounded(kClientHeight));

    // Read once: set-up changes show the next time the dialog opens.
    const PrinterSummary summary = printing::summarize(printer);
    addRule(this, 150);
    addLabel(this, "Label7", QStringLiteral(" Selected Printer"), kCaptionLeft, 360, 1740);
    name_ = addValue(this, "print_name", summary.name, 360);
    addLabel(this, "Label5", QStringLiteral(" Print Copies"), kCaptionLeft, 720, 1740);
    copies_ = addValue(this, "print_copies", summary.copies, 720);
    addLabel(this, "Label3", QStringLiteral(" Print Oreintation"), kCaptionLeft, 1080, 1740);
    orientation_ = addValue(this, "print_oreintation", summary.orientation, 1080);
    addRule(this, 1470);

    setup_ = addButton(this, "Command1", QStringLiteral("Setup..."), 0);
    print_ = addButton(this, "Command2", QStringLiteral("Print Now"), 1);
    cancel_ = addButton(this, "Command3", QStringLiteral("Cancel"), 2);
    giveDialogKeys(*this, *print_);
    connect(setup_, &QPushButton::clicked, this, &PrintDialog::setup);
    connect(print_, &QPushButton::clicked, this, &PrintDialog::printNow);
    connect(cancel_, &QPushButton::clicked, this, &PrintDialog::cancel);
}

void PrintDialog::setup() {
    services_.dialogs.printerSetup(printer_);
}

void PrintDialog::printNow() {
    close();
    printing::printBoard(services_, board_, printer_);
}

void PrintDialog::cancel() {
    close();
}

void openPrintDialog(Services& services, BoardWindow& board, QPrinter& printer, QWidget* owner) {
    showOwnedWindow(new PrintDialog(services, board, printer, owner));
}

void printSetup(Services& services, QPrinter& printer) {
    services.dialogs.printerSetup(printer);
}
