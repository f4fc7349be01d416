#include "shell/printing/print_setup_dialog.h"

#include "shell/printing/print_session.h"
#include "shell/printing/print_system.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSpinBox>

namespace {

const QString kPdfFile = QStringLiteral("PDF file");
constexpr QPageSize::PageSizeId kPapers[] = {
    QPageSize::A4, QPageSize::Letter, QPageSize::Legal,    QPageSize::A3,
    QPageSize::A5, QPageSize::B5,     QPageSize::Executive};

}  // namespace

PrintSetupDialog::PrintSetupDialog(PrintSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setObjectName(QStringLiteral("print_setup"));
    setWindowTitle(QStringLiteral("Print Setup"));
    const PrintSettings& current = session.settings();

    printer_ = new QComboBox(this);
    // A combo box is otherwise read by its current entry, not by what it chooses.
    printer_->setAccessibleName(QStringLiteral("Printer"));
    printer_->addItem(kPdfFile, QString());
    if (!current.printer.isEmpty()) printer_->addItem(current.printer, current.printer);
    printer_->setCurrentIndex(printer_->findData(current.printer));

    paper_ = new QComboBox(this);
    paper_->setAccessibleName(QStringLiteral("Paper"));
    for (const QPageSize::PageSizeId id : kPapers) paper_->addItem(QPageSize::name(id), int(id));
    if (paper_->findData(int(current.paper)) < 0)
        paper_->addItem(QPageSize::name(current.paper), int(current.paper));
    paper_->setCurrentIndex(paper_->findData(int(current.paper)));

    portrait_ = new QRadioButton(QStringLiteral("Portrait"), this);
    landscape_ = new QRadioButton(QStringLiteral("Landscape"), this);
    (current.orientation == QPageLayout::Landscape ? landscape_ : portrait_)->setChecked(true);
    auto* orientation = new QHBoxLayout;
    orientation->addWidget(portrait_);
    orientation->addWidget(landscape_);

    copies_ = new QSpinBox(this);
    copies_->setRange(1, 99);
    copies_->setValue(current.copies);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Printer:"), printer_);
    form->addRow(QStringLiteral("Paper:"), paper_);
    form->addRow(QStringLiteral("Orientation:"), orientation);
    form->addRow(QStringLiteral("Copies:"), copies_);
    form->addRow(buttons);

    connect(printer_, &QComboBox::activated, this, [this] { printerPicked_ = true; });
    // The list comes when the print system answers; until then the current choice stands.
    session.system().listPrinters(this, [this](const PrinterList& list) { listPrinters(list); });
}

void PrintSetupDialog::listPrinters(const PrinterList& list) {
    for (const QString& name : list.names)
        if (printer_->findData(name) < 0) printer_->addItem(name, name);
    // With nothing chosen yet, set-up offers the system's default printer (always one of the
    // names), as the print dialog does.
    if (session_.adoptDefault(list) && !printerPicked_)
        printer_->setCurrentIndex(printer_->findData(list.defaultName));
}

PrintSettings PrintSetupDialog::chosen() const {
    PrintSettings settings;
    settings.printer = printer_->currentData().toString();
    settings.paper = QPageSize::PageSizeId(paper_->currentData().toInt());
    settings.orientation = landscape_->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait;
    settings.copies = copies_->value();
    return settings;
}

namespace printing {

void runPrintSetup(PrintSession& session, QWidget* parent) {
    PrintSetupDialog dialog(session, parent);
    if (dialog.exec() == QDialog::Accepted) session.choose(dialog.chosen());
}

}  // namespace printing
