#include "newgame/new_puzzle_dialog.h"

#include "newgame/level_pictures.h"
#include "platform/dialog_keys.h"
#include "platform/plain_label.h"
#include "platform/widget_colours.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QRadioButton* optionButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QPushButton* commandButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QFrame* separator(Qt::Orientation orientation, QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(orientation == Qt::Horizontal ? QFrame::HLine : QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

}  // namespace

NewPuzzleDialog::NewPuzzleDialog(Services& services, QWidget* parent)
    : QWidget(parent, Qt::Dialog), form_(services) {
    setObjectName(QStringLiteral("new_puzzle"));
    setWindowTitle(QStringLiteral("Quarrow : New Game"));

    auto* columns = new QHBoxLayout(this);
    columns->addWidget(buildThemeColumn());
    columns->addWidget(separator(Qt::Vertical, this));
    columns->addWidget(buildLevelColumn());

    form_.load();
    puzzles_->addItems(form_.themeFiles());
    refresh();
}

QWidget* NewPuzzleDialog::buildThemeColumn() {
    themeFrame_ = new QGroupBox(QStringLiteral("Word Search Themes"), this);
    themeFrame_->setObjectName(QStringLiteral("Frame1"));
    auto* layout = new QVBoxLayout(themeFrame_);

    puzzles_ = new QListWidget(themeFrame_);
    puzzles_->setObjectName(QStringLiteral("puzzles"));
    puzzles_->setAccessibleName(QStringLiteral("Themes"));
    // Every row is one line of text: hundreds of themes are laid out without measuring each.
    puzzles_->setUniformItemSizes(true);
    connect(puzzles_, &QListWidget::currentRowChanged, this, [this](int row) {
        form_.pickTheme(row);
        refresh();
    });
    layout->addWidget(puzzles_);

    // Finding a theme among many: typed words narrow the list to the file names holding them.
    // Made after the list, so the list keeps the first place in the tab order; shown above it.
    find_ = new QLineEdit(themeFrame_);
    find_->setObjectName(QStringLiteral("theme_find"));
    find_->setPlaceholderText(QStringLiteral("Type to find a theme"));
    find_->setAccessibleName(QStringLiteral("Find a theme"));
    find_->setClearButtonEnabled(true);
    connect(find_, &QLineEdit::textChanged, this, &NewPuzzleDialog::findThemes);
    layout->insertWidget(0, find_);
    puzzles_->installEventFilter(this);
    find_->installEventFilter(this);

    auto* title = new PlainLabel(themeFrame_);
    title->setMaximumLines(2);
    gameTitle_ = title;
    gameTitle_->setObjectName(QStringLiteral("game_title"));
    QFont titleFont = gameTitle_->font();
    titleFont.setBold(true);
    gameTitle_->setFont(titleFont);
    layout->addWidget(gameTitle_);

    // The grey " Words" bar with the count at its right end.
    auto* bar = new QLabel(QStringLiteral(" Words"), themeFrame_);
    bar->setObjectName(QStringLiteral("Label1"));
    setColours(bar, QColor(255, 255, 255), QColor(128, 128, 128));
    auto* barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(0, 0, 4, 0);
    wordCount_ = new PlainLabel(bar);
    wordCount_->setObjectName(QStringLiteral("words_vol"));
    wordCount_->setPalette(bar->palette());
    barLayout->addStretch();
    barLayout->addWidget(wordCount_);
    layout->addWidget(bar);

    // Says what is wrong with a broken theme, or which file is read; hidden otherwise.
    auto* note = new PlainLabel(themeFrame_);
    note->setMaximumLines(8);
    themeNote_ = note;
    themeNote_->setObjectName(QStringLiteral("theme_note"));
    setTextColour(themeNote_, QColor(160, 0, 0));
    themeNote_->hide();
    layout->addWidget(themeNote_);

    const std::array<QString, 4> captions{QString(), QStringLiteral("Show Words to Find"),
                                          QStringLiteral("Show Questions"),
                                          QStringLiteral("Show Nothing")};
    auto* showRow = new QHBoxLayout;
    auto* showColumn = new QVBoxLayout;
    for (const ShowMode mode : kShowModes) {
        const int i = showModeNumber(mode);
        show_[i] = optionButton(QStringLiteral("show%1").arg(i), captions[i], themeFrame_);
        connect(show_[i], &QRadioButton::clicked, this, [this, mode] { form_.clickShow(mode); });
        showColumn->addWidget(show_[i]);
    }
    showRow->addLayout(showColumn);
    auto* help = commandButton(QStringLiteral("Command3"), QStringLiteral("?"), themeFrame_);
    help->setFixedWidth(28);
    help->setAccessibleName(QStringLiteral("Help on the show options"));
    connect(help, &QPushButton::clicked, this, [this] { form_.showHelp(); });
    showRow->addWidget(help, 0, Qt::AlignTop);
    layout->addLayout(showRow);
    return themeFrame_;
}

QWidget* NewPuzzleDialog::buildLevelColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* levelFrame = new QGroupBox(QStringLiteral("Difficulty [ Word Directions ]"), column);
    levelFrame->setObjectName(QStringLiteral("Frame2"));
    auto* frameLayout = new QHBoxLayout(levelFrame);
    auto* levelColumn = new QVBoxLayout;
    auto* pictureStack = new QWidget(levelFrame);
    pictureStack->setFixedSize(101, 101);
    for (const Level level : kLevels) {
        const int i = levelNumber(level);
        const QString caption = levelName(level);
        levels_[i] = optionButton(caption.toLower() + "_opt", caption, levelFrame);
        connect(levels_[i], &QRadioButton::clicked, this, [this, level] {
            form_.clickLevel(level);
            refresh();
        });
        levelColumn->addWidget(levels_[i]);
        pictures_[i] = new QLabel(pictureStack);
        pictures_[i]->setObjectName(caption.toLower() + "_pic");
        pictures_[i]->setPixmap(levelPicture(level));
        pictures_[i]->setAccessibleName(caption + " word directions");
        pictures_[i]->setGeometry(0, 0, 101, 101);
    }
    frameLayout->addLayout(levelColumn);
    frameLayout->addWidget(pictureStack);
    layout->addWidget(levelFrame);

    layout->addWidget(separator(Qt::Horizontal, column));
    standardGameOption_ =
        optionButton(QStringLiteral("Option1"), QStringLiteral("Standard Game"), column);
    timeChallengeOption_ =
        optionButton(QStringLiteral("Option2"), QStringLiteral("Time Challenge"), column);
    connect(standardGameOption_, &QRadioButton::clicked, this, [this] {
        form_.clickStandardGame();
        refresh();
    });
    connect(timeChallengeOption_, &QRadioButton::clicked, this, [this] {
        form_.clickTimeChallenge();
        refresh();
    });
    layout->addWidget(standardGameOption_);
    layout->addWidget(timeChallengeOption_);
    layout->addWidget(separator(Qt::Horizontal, column));

    auto* buttons = new QHBoxLayout;
    auto* start = commandButton(QStringLiteral("Command1"), QStringLiteral("Start Game"), column);
    auto* cancel = commandButton(QStringLiteral("Command2"), QStringLiteral("Cancel"), column);
    giveDialogKeys(*this, *start);
    connect(start, &QPushButton::clicked, this, &NewPuzzleDialog::startGame);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(start);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    layout->addStretch();
    return column;
}

void NewPuzzleDialog::refresh() {
    themeFrame_->setTitle(form_.frameCaption());
    {
        const QSignalBlocker block(puzzles_);
        puzzles_->setCurrentRow(form_.selectedTheme());
    }
    gameTitle_->setText(form_.gameTitle());
    wordCount_->setText(form_.wordCountText());
    const QString note = form_.themeNote();
    themeNote_->setText(note);
    themeNote_->setVisible(!note.isEmpty());
    for (const ShowMode mode : kShowModes) {
        show_[showModeNumber(mode)]->setEnabled(form_.showEnabled(mode));
        show_[showModeNumber(mode)]->setChecked(form_.showOption() == mode);
    }
    for (const Level level : kLevels) {
        levels_[levelNumber(level)]->setEnabled(form_.levelEnabled(level));
        levels_[levelNumber(level)]->setChecked(form_.levelOption() == level);
    }
    pictures_[levelNumber(form_.frontPicture())]->raise();
    const bool timed = form_.gameType() == NewGameForm::GameType::TimeChallenge;
    standardGameOption_->setChecked(!timed);
    timeChallengeOption_->setChecked(timed);
}

void NewPuzzleDialog::findThemes(const QString& typed) {
    form_.findThemes(typed);
    for (int row = 0; row < puzzles_->count(); ++row)
        puzzles_->setRowHidden(row, !form_.themeListed(row));
    refresh();
}

bool NewPuzzleDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    // A letter or digit typed in the list starts the find box's text; the arrows lead from the
    // find box back into the list.
    const bool typed = key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::ShiftModifier;
    if (watched == puzzles_ && typed && key->text().size() == 1 &&
        key->text().front().isLetterOrNumber()) {
        find_->setFocus(Qt::ShortcutFocusReason);
        find_->insert(key->text());
        return true;
    }
    if (watched == find_ && (key->key() == Qt::Key_Down || key->key() == Qt::Key_Up)) {
        puzzles_->setFocus(Qt::TabFocusReason);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void NewPuzzleDialog::startGame() {
    if (!form_.startGame()) {
        refresh();  // a theme found broken only now shows its note
        return;
    }
    gameStarted_ = true;
    close();
    emit startGameRequested();
}

void NewPuzzleDialog::closeEvent(QCloseEvent* event) {
    form_.unload();
    QWidget::closeEvent(event);
    if (!gameStarted_) emit cancelled();
}
