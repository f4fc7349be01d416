#pragma once

#include "platform/dialogs.h"

#include <QFont>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

// Stands in for every modal box and common dialog. Tests queue answers and read back every box
// that was shown. A box with no queued answer gets a default (OK / No / cancel) and is still
// recorded; `unexpected()` tells how many of those there were.
class ScriptedDialogs : public Dialogs {
  public:
    struct Shown {
        enum class Kind { Message, Input, OpenFile, SaveFile, OpenWordList, Font, SavePdf };
        Kind kind;
        QString text;  // message text or input prompt
        QString title;
        MsgButtons buttons = MsgButtons::Ok;
        MsgIcon icon = MsgIcon::None;
        QString initialDir;
        QString defaultSuffix;
        QFont font;  // font passed to the font dialog
    };

    void answerMessage(MsgAnswer answer) { messageAnswers_.push_back(answer); }
    void answerInput(const QString& text) { inputAnswers_.push_back(text); }
    void answerFile(const QString& path) { fileAnswers_.push_back(path); }
    void answerFont(const FontChoice& choice) { fontAnswers_.push_back(choice); }
    // Runs when the next box of any kind is shown, before its answer is returned.
    void onNextBox(std::function<void(const Shown&)> hook) { hooks_.push_back(std::move(hook)); }

    const std::vector<Shown>& shown() const { return shown_; }
    std::vector<Shown> messages() const;
    const Shown& last() const { return shown_.back(); }
    int unexpected() const { return unexpected_; }
    // The theme files the last open dialog listed.
    const QStringList& listedThemes() const { return listed_; }
    void clear() {
        shown_.clear();
        unexpected_ = 0;
    }

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
    void record(Shown shown);
    QString nextFile();

    std::deque<MsgAnswer> messageAnswers_;
    std::deque<QString> inputAnswers_;
    std::deque<QString> fileAnswers_;
    std::deque<FontChoice> fontAnswers_;
    std::deque<std::function<void(const Shown&)>> hooks_;
    std::vector<Shown> shown_;
    int unexpected_ = 0;
    QStringList listed_;
};
