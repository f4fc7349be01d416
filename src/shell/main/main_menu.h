#pragma once

#include "core/game_vocabulary.h"

class QAction;
class QMenu;
class QMenuBar;

// The main window's menu bar. Every menu, entry and separator carries the name of its control
// as its objectName.
struct MainMenu {
    QMenu* fileMenu;
    QAction* newGameAction;
    QAction* resumeGameAction;  // offered while a saved game waits
    QAction* printAction;
    QAction* printSetupAction;
    QAction* exitAction;

    QMenu* optionsMenu;
    QAction* revealPuzzleAction;
    QAction* revealWordAction;
    QAction* pauseAction;  // checkable: the game in play stands still
    QAction* statisticsAction;
    QAction* puzzleInformationAction;
    QMenu* difficultyMenu;
    QAction* easyAction;
    QAction* mediumAction;
    QAction* hardAction;
    QAction* expertAction;
    QMenu* fontsMenu;
    QAction* gridFontAction;
    QAction* wordsFontAction;
    QAction* resetFontsAction;
    QMenu* zoomMenu;
    QAction* zoomInAction;
    QAction* zoomOutAction;
    QAction* actualSizeAction;
    QAction* fitToWindowAction;
    QMenu* viewMenu;
    QAction* colourFoundAction;
    QAction* showAnswersAction;
    QAction* highContrastAction;
    QAction* soundAction;
    QAction* fastestTimesAction;

    QMenu* toolsMenu;
    QAction* downloadPuzzlesAction;
    QAction* createPuzzleAction;
    QAction* editPuzzleAction;

    QMenu* helpMenu;
    QAction* instructionsAction;
    QAction* aboutAction;
    QAction* warrantyAction;

    // Difficulty entries by level, 1..4.
    QAction* levelEntry(Level level) const;
};

// Fills the bar with every entry in its designed order, shortcut and start state. Every menu
// and entry has an access key (Alt+letter on the bar, the letter in an open menu), and F10
// opens the first menu.
MainMenu buildMainMenu(QMenuBar& bar);
