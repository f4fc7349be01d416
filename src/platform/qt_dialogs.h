#pragma once

#include "platform/dialogs.h"

// Real Qt message boxes, input box and common dialogs.
class QtDialogs : public Dialogs {
  public:
    MsgAnswer message(const QString& text, const QString& title, MsgButtons buttons,
                      MsgIcon icon) override;
    QString input(const QString& prompt, const QString& title) override;
    QString openFile(const QStringList& listed, const QString& initialDir,
                     const QString& defaultSuffix) override;
    QString saveFile(const QString& initialDir, const QString& defaultSuffix) override;
    QString openWordList(const QString& initialDir) override;
    FontChoice chooseFont(const QFont& initial) override;
    QString savePdf(const QString& suggestedPath) override;

  private:
    QWidget* parentWidget() const;
};
