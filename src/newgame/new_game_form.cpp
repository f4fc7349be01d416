#include "newgame/new_game_form.h"

#include "core/game_state.h"
#include "core/playable_words.h"
#include "core/theme_file.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "platform/sound/sound_player.h"

namespace {
const QString kTimeChallenge = QStringLiteral("Time Challenge");
}  // namespace

QString showOptionsHelpText() {
    const QChar cr(13);
    return QStringLiteral("Each \"Show\" option allows you to play the game differently.") + cr +
           cr + QStringLiteral("Show Words - Displays a list of words to find in the puzzle") + cr +
           QStringLiteral(
               "Show Questions - If the Puzzle has related questions, these are "
               "displayed in the place of the actual words") +
           cr + QStringLiteral("Show Nothing - Neither words or questions are displayed") + cr;
}

int leadingNumber(const QString& text) {
    int value = 0;
    int i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    for (; i < text.size() && text[i].isDigit() && value < 100000; ++i) {
        value = value * 10 + text[i].digitValue();
    }
    return value;
}

NewGameForm::NewGameForm(Services& services) : services_(services) {}

void NewGameForm::load() {
    // Sets loopSound to 1 and starts the tune only while sound is on.
    services_.sound.tune(Sound::NewGameTune, true);

    const int level = services_.state.level;
    // A level outside 1..4 would leave the generator without directions; the design's Medium
    // then stands.
    clickLevel(level >= 1 && level <= 4 ? level : 2);

    files_ = services_.themeFolders().list();
    if (!files_.isEmpty()) pickTheme(0);
}

void NewGameForm::unload() {
    services_.sound.stopTune();
}

QString NewGameForm::frameCaption() const {
    return QStringLiteral("WordSearch Themes (%1)").arg(files_.size());
}

bool NewGameForm::readSelectedHeader() {
    const std::optional<ThemeHeader> header =
        readThemeHeader(services_.themeFolders().resolve(storedThemePath(files_[selected_])));
    if (!header) return false;
    gameTitle_ = header->title;
    services_.state.puzzleAuthor = header->author;
    wordsVol_ = header->countText;
    themeHasQuestions_ = header->hasQuestions;
    if (!header->hasQuestions && showEnabled_[2]) {
        showEnabled_[2] = false;
        showOption_ = 1;
    } else if (header->hasQuestions && !showEnabled_[2]) {
        showEnabled_[2] = true;
    }
    return true;
}

void NewGameForm::pickTheme(int index) {
    if (index < 0 || index >= files_.size()) return;
    selected_ = index;
    headerRead_ = readSelectedHeader();
    if (!headerRead_) {
        services_.dialogs.message(
            QStringLiteral(
                "There is a problem with the selected puzzle! Could not retrieve settings."),
            QStringLiteral("Error"), MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    if (gameType_ == GameType::TimeChallenge) {
        showEnabled_[2] = false;
        if (wordCountValue() < 20) {
            services_.dialogs.message(
                QStringLiteral("Please selct a puzzle with at least 20 words then reselect Time "
                               "Challenge."),
                kTimeChallenge, MsgButtons::Ok, MsgIcon::Information);
            clickStandardGame();
        }
    }
}

void NewGameForm::clickShow(int option) {
    if (option >= 1 && option <= 3 && showEnabled_[option]) showOption_ = option;
}

void NewGameForm::clickLevel(int level) {
    if (level < 1 || level > 4) return;
    levelOption_ = level;
    services_.state.level = level;
}

void NewGameForm::clickStandardGame() {
    gameType_ = GameType::Standard;
    levelEnabled_[1] = levelEnabled_[2] = levelEnabled_[3] = true;
    // Questions only for a theme that has them: a words-only theme played in the questions mode
    // would show an empty (or a previous theme's) list.
    showEnabled_[2] = themeHasQuestions_;
    showEnabled_[3] = true;
}

void NewGameForm::clickTimeChallenge() {
    if (wordsVol_ != QStringLiteral("20")) {
        services_.dialogs.message(
            QStringLiteral("Select a puzzle with 20 words before choosing this option!"),
            kTimeChallenge, MsgButtons::Ok, MsgIcon::Information);
        clickStandardGame();
        return;
    }
    gameType_ = GameType::TimeChallenge;
    showOption_ = 1;
    clickLevel(4);
    levelEnabled_[1] = levelEnabled_[2] = levelEnabled_[3] = false;
    showEnabled_[2] = showEnabled_[3] = false;
}

bool NewGameForm::startGame() {
    // With no readable theme there is nothing to generate from.
    if (selected_ < 0 || !headerRead_) {
        services_.dialogs.message(
            selected_ < 0
                ? QStringLiteral("Please select a puzzle from the list before starting a game.")
                : QStringLiteral("The selected puzzle cannot be read. Please select another "
                                 "puzzle from the list before starting a game."),
            QStringLiteral("New Game"), MsgButtons::Ok, MsgIcon::Information);
        return false;
    }
    GameState& state = services_.state;
    state.showMode = showOption_;
    state.speedChallenge = gameType_ == GameType::TimeChallenge;
    if (state.speedChallenge && wordCountValue() < 20) {
        services_.dialogs.message(
            QStringLiteral("Please select a Puzzle with 20 questions for Time Challenge!"),
            kTimeChallenge, MsgButtons::Ok, MsgIcon::None);
        return false;
    }
    // A word no player could find would leave a board that can never be finished.
    const QString path = services_.themeFolders().resolve(storedThemePath(files_[selected_]));
    if (const std::optional<ThemeContents> theme = readTheme(path)) {
        if (const auto unplayable = firstUnplayableWord(*theme)) {
            services_.dialogs.message(unplayable->message, QStringLiteral("Error"), MsgButtons::Ok,
                                      MsgIcon::Critical);
            return false;
        }
    }
    state.puzzleFile = storedThemePath(files_[selected_]);
    state.puzzleTitle = gameTitle_;
    state.gameInProgress = true;
    return true;
}

void NewGameForm::showHelp() const {
    services_.dialogs.message(showOptionsHelpText(), QStringLiteral("Help"), MsgButtons::Ok,
                              MsgIcon::Information);
}

int NewGameForm::wordCountValue() const {
    return leadingNumber(wordsVol_);
}
