#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

// The file dialogs' filter for theme files.
inline const QString kThemeFileFilter =
    QStringLiteral("Quarrow puzzles (*.qrw *.QRW *.Qrw);;All files (*)");

// Opening a theme: the theme files of every theme folder in one list, and a way to browse for
// any other file. A plain file dialog shows one folder at a time.
class ThemeOpenDialog : public QDialog {
    Q_OBJECT
  public:
    ThemeOpenDialog(const QStringList& listed, const QString& browseFolder,
                    const QString& defaultSuffix, QWidget* parent = nullptr);

    // The chosen path; empty unless the dialog was accepted.
    const QString& chosenPath() const { return chosen_; }

  private:
    void openSelected();
    void browse();

    QStringList listed_;
    QString browseFolder_;
    QString defaultSuffix_;
    QListWidget* list_ = nullptr;
    QString chosen_;
};
