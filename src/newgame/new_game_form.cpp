#include "newgame/new_game_form.h"

#include "core/game_state.h"
#include "core/theme_check.h"
#include "core/theme_file.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "platform/sound/sound_player.h"

#include <QDir>

#include <algorithm>

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

bool themeNameMatches(const QString& fileName, const QString& typed) {
    const QStringList words = typed.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return std::all_of(words.begin(), words.end(), [&fileName](const QString& word) {
        return fileName.contains(word, Qt::CaseInsensitive);
    });
}

NewGameForm::NewGameForm(Services& services) : services_(services) {}

void NewGameForm::load() {
    // Sets loopSound to 1 and starts the tune only while sound is on.
    services_.sound.tune(Sound::NewGameTune, true);

    clickLevel(services_.state.level);

    files_ = services_.themeFolders().list();
    listed_.assign(files_.size(), true);
    if (!files_.isEmpty()) pickTheme(0);
}

void NewGameForm::unload() {
    services_.sound.stopTune();
}

QString NewGameForm::frameCaption() const {
    return QStringLiteral("WordSearch Themes (%1)").arg(files_.size());
}

QString NewGameForm::selectedPath() const {
    return services_.themeFolders().resolve(storedThemePath(files_[selected_]));
}

bool NewGameForm::readSelectedHeader() {
    ThemeProblem problem;
    const std::optional<ThemeHeader> header = readThemeHeader(selectedPath(), &problem);
    if (!header) {
        problemText_ = describeThemeProblem(selectedPath(), problem);
        return false;
    }
    gameTitle_ = header->title;
    services_.state.puzzleAuthor = header->author;
    wordCountText_ = header->countText;
    themeHasQuestions_ = header->hasQuestions;
    bool& questions = enabledFlag(ShowMode::Questions);
    if (!header->hasQuestions && questions) {
        questions = false;
        showOption_ = ShowMode::Words;
    } else if (header->hasQuestions && !questions) {
        questions = true;
    }
    return true;
}

bool NewGameForm::checkSelectedTheme() {
    const std::optional<ThemeProblem> problem = findThemeProblem(selectedPath());
    if (problem) problemText_ = describeThemeProblem(selectedPath(), *problem);
    return !problem;
}

QString NewGameForm::themeNote() const {
    if (selected_ < 0) return {};
    QStringList note;
    if (!problemText_.isEmpty()) note << problemText_;
    // The player's copy is read in place of the shipped theme: they are told which file it is.
    if (services_.themeFolders().hidesShipped(files_[selected_]))
        note << QStringLiteral(
                    "Your own copy is used: %1. It takes the place of the theme of "
                    "that name that comes with the game.")
                    .arg(QDir::toNativeSeparators(selectedPath()));
    return note.join(QLatin1Char('\n'));
}

void NewGameForm::pickTheme(int index) {
    if (index < 0 || index >= files_.size()) return;
    selected_ = index;
    problemText_.clear();
    headerRead_ = readSelectedHeader();
    if (!headerRead_) {
        services_.dialogs.message(
            QStringLiteral(
                "There is a problem with the selected puzzle! Could not retrieve settings."),
            QStringLiteral("Error"), MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    // The rest of the file is checked now, so a broken theme is named before Start Game.
    checkSelectedTheme();
    if (gameType_ == GameType::TimeChallenge) {
        enabledFlag(ShowMode::Questions) = false;
        if (!time_challenge::takesWordCount(wordCountValue())) {
            services_.dialogs.message(
                QStringLiteral("Please selct a puzzle with at least 20 words then reselect Time "
                               "Challenge."),
                kTimeChallenge, MsgButtons::Ok, MsgIcon::Information);
            clickStandardGame();
        }
    }
}

void NewGameForm::findThemes(const QString& typed) {
    // A name that starts with the first typed word is the likelier one: "sp" goes to
    // space.qrw before shakespeare.qrw.
    const QString start = typed.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
    const auto startsLikeTyped = [&](int i) {
        return files_[i].startsWith(start, Qt::CaseInsensitive);
    };
    int firstListed = -1;
    int firstStarting = -1;
    for (int i = 0; i < files_.size(); ++i) {
        listed_[i] = themeNameMatches(files_[i], typed);
        if (listed_[i] && firstListed < 0) firstListed = i;
        if (listed_[i] && firstStarting < 0 && startsLikeTyped(i)) firstStarting = i;
    }
    const bool keep =
        selected_ >= 0 && listed_[selected_] && (firstStarting < 0 || startsLikeTyped(selected_));
    if (!keep && firstListed >= 0) pickTheme(firstStarting >= 0 ? firstStarting : firstListed);
}

void NewGameForm::clickShow(ShowMode option) {
    if (showEnabled(option)) showOption_ = option;
}

void NewGameForm::clickLevel(Level level) {
    levelOption_ = level;
    services_.state.level = level;
}

void NewGameForm::clickStandardGame() {
    gameType_ = GameType::Standard;
    levelEnabled_.fill(true);
    // Questions only for a theme that has them: a words-only theme played in the questions mode
    // would show an empty (or a previous theme's) list.
    enabledFlag(ShowMode::Questions) = themeHasQuestions_;
    enabledFlag(ShowMode::Blanks) = true;
}

void NewGameForm::clickTimeChallenge() {
    if (!time_challenge::takesWordCount(wordCountValue())) {
        services_.dialogs.message(
            QStringLiteral("Select a puzzle with 20 words before choosing this option!"),
            kTimeChallenge, MsgButtons::Ok, MsgIcon::Information);
        clickStandardGame();
        return;
    }
    gameType_ = GameType::TimeChallenge;
    showOption_ = time_challenge::kShowMode;
    clickLevel(time_challenge::kLevel);
    // Only the challenge's own level and display mode stay open.
    for (const Level level : kLevels) enabledFlag(level) = level == time_challenge::kLevel;
    for (const ShowMode mode : kShowModes) enabledFlag(mode) = mode == time_challenge::kShowMode;
}

bool NewGameForm::startGame() {
    // With no readable theme there is nothing to generate from.
    if (selected_ < 0) {
        services_.dialogs.message(
            QStringLiteral("Please select a puzzle from the list before starting a game."),
            QStringLiteral("New Game"), MsgButtons::Ok, MsgIcon::Information);
        return false;
    }
    if (!headerRead_) return refuseBrokenTheme();
    GameState& state = services_.state;
    state.showMode = showOption_;
    state.speedChallenge = gameType_ == GameType::TimeChallenge;
    if (state.speedChallenge && !time_challenge::takesWordCount(wordCountValue())) {
        services_.dialogs.message(
            QStringLiteral("Please select a Puzzle with 20 questions for Time Challenge!"),
            kTimeChallenge, MsgButtons::Ok, MsgIcon::None);
        return false;
    }
    // Checked again, as the file may have changed since it was picked: a theme the generator
    // cannot read, or a word no player could find, would end in a failed or endless game.
    problemText_.clear();
    if (!checkSelectedTheme()) return refuseBrokenTheme();
    state.puzzleFile = storedThemePath(files_[selected_]);
    state.puzzleTitle = gameTitle_;
    return true;
}

bool NewGameForm::refuseBrokenTheme() {
    services_.dialogs.message(
        QStringLiteral("The selected puzzle cannot be played.\n\n%1").arg(problemText_),
        QStringLiteral("Error"), MsgButtons::Ok, MsgIcon::Critical);
    return false;
}

void NewGameForm::showHelp() const {
    services_.dialogs.message(showOptionsHelpText(), QStringLiteral("Help"), MsgButtons::Ok,
                              MsgIcon::Information);
}

int NewGameForm::wordCountValue() const {
    return leadingNumber(wordCountText_);
}
