#include "shell/printing/print_dialog.h"

#include "board/board_window.h"
#include "platform/dialog_keys.h"
#include "platform/dialogs.h"
#include "platform/owned_window.h"
#include "platform/services.h"
#include "platform/twips.h"
#include "shell/printing/board_printing.h"
#include "shell/printing/print_session.h"
#include "shell/printing/print_settings.h"
#include "shell/printing/print_setup_dialog.h"
#include "shell/printing/printer_summary.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

// Design layout, in twips.
constexpr double kClientWidth = 4800;
constexpr double kClientHeight = 2940;  // the paper options sit below the designed controls
constexpr double kCaptionLeft = 240;
constexpr double kValueLeft = 2040;
constexpr double kRowHeight = 285;
constexpr double kButtonTop = 1620;
constexpr double kButtonWidth = 1380;
constexpr double kButtonHeight = 435;
constexpr double kOptionTop = 2220;

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

QCheckBox* addOption(QWidget* parent, const char* name, const QString& text, bool checked,
                     int row) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(checked);
    box->setGeometry(
        twips::rect(kCaptionLeft, kOptionTop + row * kRowHeight, kClientWidth - 480, kRowHeight));
    return box;
}

void addRule(QWidget* parent, double top) {
    auto* line = new QFrame(parent);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setGeometry(twips::rect(kCaptionLeft, top, kClientWidth - 2 * kCaptionLeft, 30));
}

}  // namespace

PrintDialog::PrintDialog(Services& services, BoardWindow& board, const Puzzle& puzzle,
                         PrintSession& session, QWidget* parent)
    : QWidget(parent, Qt::Dialog),
      services_(services),
      board_(board),
      puzzle_(puzzle),
      session_(session) {
    setObjectName(QStringLiteral("print_act"));
    setWindowTitle(QStringLiteral("Print WordSearch"));
    setFixedSize(twips::toPixelsRounded(kClientWidth), twips::toPixelsRounded(kClientHeight));

    // Read once: set-up changes show the next time the dialog opens.
    const PrinterSummary summary = printing::summarize(session.settings());
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
    addRule(this, 2130);
    const PrintOptions options = printing::readOptions(services.settings);
    inkSaving_ =
        addOption(this, "inkSaving", QStringLiteral("Ink-saving print"), options.inkSaving, 0);
    answerPage_ =
        addOption(this, "answerPage", QStringLiteral("Add answer page"), options.answerPage, 1);
    for (QCheckBox* box : {inkSaving_, answerPage_})
        connect(box, &QCheckBox::toggled, this,
                [this] { printing::writeOptions(services_.settings, this->options()); });
    giveDialogKeys(*this, *print_);
    connect(setup_, &QPushButton::clicked, this, &PrintDialog::setup);
    connect(print_, &QPushButton::clicked, this, &PrintDialog::printNow);
    connect(cancel_, &QPushButton::clicked, this, &PrintDialog::cancel);

    // A print server that started after the game shows up here.
    session.pickUpDefault(this, [this] { showPrinter(); });
}

void PrintDialog::showPrinter() {
    const PrinterSummary summary = printing::summarize(session_.settings());
    name_->setText(summary.name);
    copies_->setText(summary.copies);
    orientation_->setText(summary.orientation);
}

PrintOptions PrintDialog::options() const {
    return {inkSaving_->isChecked(), answerPage_->isChecked()};
}

void PrintDialog::setup() {
    printing::runPrintSetup(session_, this);
}

void PrintDialog::printNow() {
    const PrintOptions chosen = options();
    close();
    printing::printBoard(services_, board_, puzzle_, session_, chosen);
}

void PrintDialog::cancel() {
    close();
}

void openPrintDialog(Services& services, BoardWindow& board, const Puzzle& puzzle,
                     PrintSession& session, QWidget* owner) {
    showOwnedWindow(new PrintDialog(services, board, puzzle, session, owner));
}
