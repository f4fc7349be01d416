#pragma once

#include "core/game_vocabulary.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

struct Services;

// The choices of the new-game dialog and their rules, without widgets: which options are
// selected and enabled, what the labels show, and the messages each click can raise. The
// dialog mirrors this state after every event.
class NewGameForm {
  public:
    enum class GameType { Standard, TimeChallenge };

    explicit NewGameForm(Services& services);

    // Opening: the looping tune, the current level's option, the theme list with its first
    // file selected and read.
    void load();
    // Closing: the tune stopped and closed whatever the sound switch says.
    void unload();

    void pickTheme(int index);
    void clickShow(ShowMode option);
    void clickLevel(Level level);
    void clickStandardGame();
    void clickTimeChallenge();
    // Start Game up to closing: false when the game cannot start (a message was shown).
    bool startGame();
    void showHelp() const;  // the "?" button
    // Typing in the find box: only themes whose file name holds every typed word are listed
    // (all of them while it is empty). The first listed name starting with the first typed word
    // is picked, else the first listed one, unless the selected theme is as good; with none
    // listed, the selection stays as it was.
    void findThemes(const QString& typed);

    // What the controls show.
    const QStringList& themeFiles() const { return files_; }
    bool themeListed(int index) const { return listed_[index]; }
    int selectedTheme() const { return selected_; }
    QString frameCaption() const;  // the theme list's frame
    const QString& gameTitle() const { return gameTitle_; }
    const QString& wordCountText() const { return wordCountText_; }
    ShowMode showOption() const { return showOption_; }
    bool showEnabled(ShowMode option) const { return showEnabled_[showModeNumber(option) - 1]; }
    Level levelOption() const { return levelOption_; }
    bool levelEnabled(Level level) const { return levelEnabled_[levelNumber(level) - 1]; }
    Level frontPicture() const { return levelOption_; }  // the selected level's picture is in front
    GameType gameType() const { return gameType_; }
    // What is wrong with the selected theme (file, line, what was expected) and which file is
    // read when the player's own copy takes the place of a shipped theme; empty otherwise.
    QString themeNote() const;

  private:
    QString selectedPath() const;
    bool readSelectedHeader();
    bool checkSelectedTheme();  // the whole file; false when it cannot be played
    bool refuseBrokenTheme();   // shows what is wrong; always false
    int wordCountValue() const;
    bool& enabledFlag(ShowMode option) { return showEnabled_[showModeNumber(option) - 1]; }
    bool& enabledFlag(Level level) { return levelEnabled_[levelNumber(level) - 1]; }

    Services& services_;
    QStringList files_;
    std::vector<bool> listed_;  // per file: matches what was typed in the find box
    int selected_ = -1;
    bool headerRead_ = false;  // the selected theme's header was read successfully
    bool themeHasQuestions_ = false;
    QString problemText_;  // what is wrong with the selected theme, for the player
    QString gameTitle_;
    QString wordCountText_;  // the header's two count characters, as stored
    ShowMode showOption_ = ShowMode::Words;
    std::array<bool, kShowModes.size()> showEnabled_{true, true, true};
    Level levelOption_ = Level::Medium;
    std::array<bool, kLevels.size()> levelEnabled_{true, true, true, true};
    GameType gameType_ = GameType::Standard;
};

// The "?" button's text: five lines joined by CR, with a CR at the end.
QString showOptionsHelpText();
// True when the theme file's name holds every blank-separated word of `typed`, in any letter
// case; empty text matches every name.
bool themeNameMatches(const QString& fileName, const QString& typed);
// The numeric value of a word-count text, read like the classic Val(): leading blanks, then
// digits; anything else ends the number ("9W" is 9, "" is 0).
int leadingNumber(const QString& text);
