#include "shell/main/main_menu.h"

#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace {
QMenu* addMenu(QMenuBar& bar, const char* name, const QString& caption) {
    QMenu* menu = bar.addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QMenu* addSubmenu(QMenu& parent, const char* name, const QString& caption) {
    QMenu* menu = parent.addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* addEntry(QMenu& menu, const char* name, const QString& caption,
                  const QKeySequence& shortcut = {}) {
    QAction* action = menu.addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

QAction* addCheckEntry(QMenu& menu, const char* name, const QString& caption,
                       const QKeySequence& shortcut, bool checked) {
    QAction* action = addEntry(menu, name, caption, shortcut);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

void addSeparator(QMenu& menu, const char* name) {
    menu.addSeparator()->setObjectName(QString::fromLatin1(name));
}
}  // namespace

QAction* MainMenu::levelEntry(Level level) const {
    switch (level) {
        case Level::Easy:
            return easyAction;
        case Level::Medium:
            return mediumAction;
        case Level::Hard:
            return hardAction;
        case Level::Expert:
            break;
    }
    return expertAction;
}

MainMenu buildMainMenu(QMenuBar& bar) {
    MainMenu m{};
    m.fileMenu = addMenu(bar, "filex", QStringLiteral("&File"));
    m.newGameAction =
        addEntry(*m.fileMenu, "newpuz", QStringLiteral("&New WordSearch"), Qt::CTRL | Qt::Key_N);
    m.resumeGameAction = addEntry(*m.fileMenu, "resumex", QStringLiteral("&Resume Saved Game"));
    m.resumeGameAction->setEnabled(false);
    addSeparator(*m.fileMenu, "nulla");
    m.printAction = addEntry(*m.fileMenu, "printx", QStringLiteral("&Print"), Qt::CTRL | Qt::Key_P);
    m.printSetupAction = addEntry(*m.fileMenu, "prints", QStringLiteral("Print Set&up ..."));
    addSeparator(*m.fileMenu, "nullb");
    m.exitAction = addEntry(*m.fileMenu, "exitx", QStringLiteral("E&xit"), Qt::CTRL | Qt::Key_X);

    m.optionsMenu = addMenu(bar, "optx", QStringLiteral("&Options"));
    m.revealPuzzleAction =
        addEntry(*m.optionsMenu, "revealx", QStringLiteral("&Reveal Puzzle"), Qt::CTRL | Qt::Key_R);
    m.revealPuzzleAction->setEnabled(false);
    m.revealWordAction =
        addEntry(*m.optionsMenu, "revealw", QStringLiteral("Reveal &Word"), Qt::CTRL | Qt::Key_W);
    m.revealWordAction->setEnabled(false);
    m.pauseAction =
        addCheckEntry(*m.optionsMenu, "pausex", QStringLiteral("P&ause"), Qt::Key_F9, false);
    m.pauseAction->setEnabled(false);
    addSeparator(*m.optionsMenu, "nullc");
    m.statisticsAction =
        addEntry(*m.optionsMenu, "statx", QStringLiteral("&Statistics..."), Qt::CTRL | Qt::Key_I);
    addSeparator(*m.optionsMenu, "nullj");
    m.puzzleInformationAction =
        addEntry(*m.optionsMenu, "puzzleinfx", QStringLiteral("Puzzle &Information"));
    m.puzzleInformationAction->setEnabled(false);
    addSeparator(*m.optionsMenu, "nulle");
    m.difficultyMenu = addSubmenu(*m.optionsMenu, "difx", QStringLiteral("&Difficulty"));
    m.easyAction =
        addCheckEntry(*m.difficultyMenu, "easyx", QStringLiteral("&Easy"), Qt::Key_F5, false);
    m.mediumAction =
        addCheckEntry(*m.difficultyMenu, "mediumx", QStringLiteral("&Medium"), Qt::Key_F6, true);
    m.hardAction =
        addCheckEntry(*m.difficultyMenu, "hardx", QStringLiteral("&Hard"), Qt::Key_F7, false);
    m.expertAction =
        addCheckEntry(*m.difficultyMenu, "expertx", QStringLiteral("E&xpert"), Qt::Key_F8, false);
    m.fontsMenu = addSubmenu(*m.optionsMenu, "fontsx", QStringLiteral("&Fonts"));
    m.gridFontAction = addEntry(*m.fontsMenu, "v_grid", QStringLiteral("QRW &Grid"));
    m.wordsFontAction = addEntry(*m.fontsMenu, "v_words", QStringLiteral("QRW &Words (Questions)"));
    addSeparator(*m.fontsMenu, "nulld");
    m.resetFontsAction = addEntry(*m.fontsMenu, "rdefx", QStringLiteral("&Reset to Default"));
    m.zoomMenu = addSubmenu(*m.optionsMenu, "zoomx", QStringLiteral("&Zoom"));
    m.zoomInAction = addEntry(*m.zoomMenu, "zoominx", QStringLiteral("Zoom &In"));
    // Ctrl+= as well, so no Shift is needed on keyboards with + above =.
    m.zoomInAction->setShortcuts({Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal});
    m.zoomOutAction =
        addEntry(*m.zoomMenu, "zoomoutx", QStringLiteral("Zoom &Out"), Qt::CTRL | Qt::Key_Minus);
    m.actualSizeAction =
        addEntry(*m.zoomMenu, "actualx", QStringLiteral("&Actual Size"), Qt::CTRL | Qt::Key_0);
    addSeparator(*m.zoomMenu, "nullk");
    m.fitToWindowAction =
        addCheckEntry(*m.zoomMenu, "fitx", QStringLiteral("&Fit to Window"), {}, false);
    m.viewMenu = addSubmenu(*m.optionsMenu, "viewx", QStringLiteral("&View"));
    m.colourFoundAction =
        addCheckEntry(*m.viewMenu, "colourx", QStringLiteral("&Colour Found Words"), {}, false);
    m.showAnswersAction =
        addCheckEntry(*m.viewMenu, "answersx", QStringLiteral("Show &Answers"), {}, false);
    m.highContrastAction =
        addCheckEntry(*m.viewMenu, "contrastx", QStringLiteral("&High Contrast"), {}, false);
    m.soundAction = addCheckEntry(*m.optionsMenu, "soundx", QStringLiteral("S&ound"),
                                  Qt::CTRL | Qt::Key_S, true);
    addSeparator(*m.optionsMenu, "nullh");
    m.fastestTimesAction =
        addEntry(*m.optionsMenu, "hsx", QStringLiteral("Fastest &Times"), Qt::CTRL | Qt::Key_F);

    m.toolsMenu = addMenu(bar, "toolsx", QStringLiteral("&Tools"));
    m.downloadPuzzlesAction =
        addEntry(*m.toolsMenu, "down_upx", QStringLiteral("&Download / Upload Puzzles"),
                 Qt::CTRL | Qt::Key_D);
    addSeparator(*m.toolsMenu, "nullf");
    m.createPuzzleAction =
        addEntry(*m.toolsMenu, "c_puzzlex", QStringLiteral("&Create QRW Puzzle"));
    m.editPuzzleAction = addEntry(*m.toolsMenu, "ed_puz", QStringLiteral("&Edit QRW Puzzle"));

    m.helpMenu = addMenu(bar, "helpx", QStringLiteral("&Help"));
    m.instructionsAction =
        addEntry(*m.helpMenu, "instx", QStringLiteral("&Instructions"), Qt::Key_F1);
    addSeparator(*m.helpMenu, "nullg");
    m.aboutAction = addEntry(*m.helpMenu, "aboutx", QStringLiteral("&About"), Qt::CTRL | Qt::Key_A);
    m.warrantyAction = addEntry(*m.helpMenu, "warrx", QStringLiteral("&Warranty"));

    // F10 opens the first menu, as elsewhere on the desktop; the arrows go on from there.
    auto* f10 = new QShortcut(Qt::Key_F10, &bar);
    f10->setObjectName(QStringLiteral("menu_key"));
    QObject::connect(f10, &QShortcut::activated, &bar,
                     [&bar, file = m.fileMenu] { bar.setActiveAction(file->menuAction()); });
    return m;
}
