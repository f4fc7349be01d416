#pragma once

class QAction;
class QMenu;
class QMenuBar;

// The main window's menu bar. Every menu, entry and separator carries the name of its control
// as its objectName.
struct MainMenu {
    QMenu* filex;
    QAction* newpuz;
    QAction* printx;
    QAction* prints;
    QAction* exitx;

    QMenu* optx;
    QAction* revealx;
    QAction* revealw;
    QAction* statx;
    QAction* puzzleinfx;
    QMenu* difx;
    QAction* easyx;
    QAction* mediumx;
    QAction* hardx;
    QAction* expertx;
    QMenu* fontsx;
    QAction* vGrid;
    QAction* vWords;
    QAction* rdefx;
    QMenu* zoomx;
    QAction* zoomInx;
    QAction* zoomOutx;
    QAction* actualSizex;
    QAction* fitWindowx;
    QMenu* viewx;
    QAction* colourFoundx;
    QAction* showAnswersx;
    QAction* highContrastx;
    QAction* soundx;
    QAction* hsx;

    QMenu* toolsx;
    QAction* downUpx;
    QAction* cPuzzlex;
    QAction* edPuz;

    QMenu* helpx;
    QAction* instx;
    QAction* aboutx;
    QAction* warrx;

    // Difficulty entries by level, 1..4.
    QAction* levelEntry(int level) const;
};

// Fills the bar with every entry in its designed order, shortcut and start state.
MainMenu buildMainMenu(QMenuBar& bar);
