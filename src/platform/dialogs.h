#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

class QWidget;

enum class MsgIcon { None, Information, Exclamation, Critical };
enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Yes, No };

struct FontChoice {
    QFont font;
    bool accepted = false;  // false: the player cancelled and `font` is the font passed in
};

// Every modal box and common dialog the program shows goes through this interface, so tests can
// script the answers and read back what was shown.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual MsgAnswer message(const QString& text, const QString& title, MsgButtons buttons,
                              MsgIcon icon) = 0;
    // Returns the typed text; empty text when cancelled.
    virtual QString input(const QString& prompt, const QString& title) = 0;
    // Return the chosen path, or empty text when cancelled. The open dialog offers the `listed`
    // theme files (full paths) of every theme folder together, and any other file from
    // `initialDir`.
    virtual QString openFile(const QStringList& listed, const QString& initialDir,
                             const QString& defaultSuffix) = 0;
    virtual QString saveFile(const QString& initialDir, const QString& defaultSuffix) = 0;
    // A plain text file holding a word list, for the editor to put in its boxes.
    virtual QString openWordList(const QString& initialDir) = 0;
    virtual FontChoice chooseFont(const QFont& initial) = 0;
    // Save dialog for a PDF when no printer is installed; empty when cancelled.
    virtual QString savePdf(const QString& suggestedPath) = 0;

    // Window that owns the boxes while no modal window is open (the active window when none is
    // set).
    void setOwner(QWidget* owner) { owner_ = owner; }

  protected:
    QWidget* owner() const { return owner_; }

  private:
    QWidget* owner_ = nullptr;
};
