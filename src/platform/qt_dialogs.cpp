#include "platform/qt_dialogs.h"

#include "platform/theme_open_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon toQtIcon(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Information:
            return QMessageBox::Information;
        case MsgIcon::Exclamation:
            return QMessageBox::Warning;
        case MsgIcon::Critical:
            return QMessageBox::Critical;
        case MsgIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

// A box belongs to the window that asked: the modal window on top when one is open (only it
// takes input), else the owner. Its parent becomes its transient parent, which is all a Wayland
// compositor has to place it over that window; the active window is no help there, as it is
// often unknown.
QWidget* QtDialogs::parentWidget() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return owner() ? owner() : QApplication::activeWindow();
}

MsgAnswer QtDialogs::message(const QString& text, const QString& title, MsgButtons buttons,
                             MsgIcon icon) {
    QMessageBox box(
        toQtIcon(icon), title, text,
        buttons == MsgButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
        parentWidget());
    // Messages quote theme titles and authors: never markup.
    box.setTextFormat(Qt::PlainText);
    const int result = box.exec();
    if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
    return result == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}

QString QtDialogs::input(const QString& prompt, const QString& title) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(parentWidget(), title, prompt, QLineEdit::Normal, QString(), &ok);
    return ok ? text : QString();
}

QString QtDialogs::openFile(const QStringList& listed, const QString& initialDir,
                            const QString& defaultSuffix) {
    ThemeOpenDialog dialog(listed, initialDir, defaultSuffix, parentWidget());
    return dialog.exec() == QDialog::Accepted ? dialog.chosenPath() : QString();
}

QString QtDialogs::saveFile(const QString& initialDir, const QString& defaultSuffix) {
    QFileDialog dialog(parentWidget(), QString(), initialDir, kThemeFileFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The caller asks about overwriting itself.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().constFirst();
}

QString QtDialogs::openWordList(const QString& initialDir) {
    return QFileDialog::getOpenFileName(parentWidget(), QStringLiteral("Import Words"), initialDir,
                                        QStringLiteral("Text files (*.txt);;All files (*)"));
}

FontChoice QtDialogs::chooseFont(const QFont& initial) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, parentWidget());
    return ok ? FontChoice{font, true} : FontChoice{initial, false};
}

QString QtDialogs::savePdf(const QString& suggestedPath) {
    return QFileDialog::getSaveFileName(parentWidget(), QStringLiteral("Print to PDF"),
                                        suggestedPath, QStringLiteral("PDF files (*.pdf)"));
}
