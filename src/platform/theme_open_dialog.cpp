#include "platform/theme_open_dialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

ThemeOpenDialog::ThemeOpenDialog(const QStringList& listed, const QString& browseFolder,
                                 const QString& defaultSuffix, QWidget* parent)
    : QDialog(parent), listed_(listed), browseFolder_(browseFolder), defaultSuffix_(defaultSuffix) {
    setObjectName(QStringLiteral("open_theme"));
    setWindowTitle(QStringLiteral("Open"));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("themes"));
    for (const QString& path : listed_) {
        auto* item = new QListWidgetItem(QFileInfo(path).fileName(), list_);
        item->setToolTip(path);
    }
    if (list_->count() > 0) list_->setCurrentRow(0);
    connect(list_, &QListWidget::itemActivated, this, &ThemeOpenDialog::openSelected);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, this);
    QPushButton* other =
        buttons->addButton(QStringLiteral("Other File..."), QDialogButtonBox::ActionRole);
    other->setObjectName(QStringLiteral("other_file"));
    buttons->button(QDialogButtonBox::Open)->setEnabled(list_->count() > 0);
    connect(buttons, &QDialogButtonBox::accepted, this, &ThemeOpenDialog::openSelected);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(other, &QPushButton::clicked, this, &ThemeOpenDialog::browse);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
}

void ThemeOpenDialog::openSelected() {
    const int row = list_->currentRow();
    if (row < 0 || row >= listed_.size()) return;
    chosen_ = listed_[row];
    accept();
}

void ThemeOpenDialog::browse() {
    QFileDialog dialog(this, QString(), browseFolder_, kThemeFileFilter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(defaultSuffix_);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    chosen_ = dialog.selectedFiles().constFirst();
    accept();
}
