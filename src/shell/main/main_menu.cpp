#include "shell/main/main_menu.h"

#include <QMenu>
#include <QMenuBar>

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

QAction* MainMenu::levelEntry(int level) const {
    switch (level) {
        case 1:
            return easyx;
        case 2:
            return mediumx;
        case 3:
            return hardx;
        case 4:
            return expertx;
        default:
            return nullptr;
    }
}

MainMenu buildMainMenu(QMenuBar& bar) {
    MainMenu m{};
    m.filex = addMenu(bar, "filex", QStringLiteral("File"));
    m.newpuz = addEntry(*m.filex, "newpuz", QStringLiteral("New WordSearch"), Qt::CTRL | Qt::Key_N);
    addSeparator(*m.filex, "nulla");
    m.printx = addEntry(*m.filex, "printx", QStringLiteral("Print"), Qt::CTRL | Qt::Key_P);
    m.prints = addEntry(*m.filex, "prints", QStringLiteral("Print Setup ..."));
    addSeparator(*m.filex, "nullb");
    m.exitx = addEntry(*m.filex, "exitx", QStringLiteral("Exit"), Qt::CTRL | Qt::Key_X);

    m.optx = addMenu(bar, "optx", QStringLiteral("Options"));
    m.revealx = addEntry(*m.optx, "revealx", QStringLiteral("Reveal Puzzle"), Qt::CTRL | Qt::Key_R);
    m.revealx->setEnabled(false);
    m.revealw = addEntry(*m.optx, "revealw", QStringLiteral("Reveal Word"), Qt::CTRL | Qt::Key_W);
    m.revealw->setEnabled(false);
    addSeparator(*m.optx, "nullc");
    m.statx = addEntry(*m.optx, "statx", QStringLiteral("Statistics..."), Qt::CTRL | Qt::Key_I);
    addSeparator(*m.optx, "nullj");
    m.puzzleinfx = addEntry(*m.optx, "puzzleinfx", QStringLiteral("Puzzle Information"));
    m.puzzleinfx->setEnabled(false);
    addSeparator(*m.optx, "nulle");
    m.difx = addSubmenu(*m.optx, "difx", QStringLiteral("Difficulty"));
    m.easyx = addCheckEntry(*m.difx, "easyx", QStringLiteral("Easy"), Qt::Key_F5, false);
    m.mediumx = addCheckEntry(*m.difx, "mediumx", QStringLiteral("Medium"), Qt::Key_F6, true);
    m.hardx = addCheckEntry(*m.difx, "hardx", QStringLiteral("Hard"), Qt::Key_F7, false);
    m.expertx = addCheckEntry(*m.difx, "expertx", QStringLiteral("Expert"), Qt::Key_F8, false);
    m.fontsx = addSubmenu(*m.optx, "fontsx", QStringLiteral("Fonts"));
    m.vGrid = addEntry(*m.fontsx, "v_grid", QStringLiteral("QRW Grid"));
    m.vWords = addEntry(*m.fontsx, "v_words", QStringLiteral("QRW Words (Questions)"));
    addSeparator(*m.fontsx, "nulld");
    m.rdefx = addEntry(*m.fontsx, "rdefx", QStringLiteral("Reset to Default"));
    m.zoomx = addSubmenu(*m.optx, "zoomx", QStringLiteral("Zoom"));
    m.zoomInx = addEntry(*m.zoomx, "zoominx", QStringLiteral("Zoom In"));
    // Ctrl+= as well, so no Shift is needed on keyboards with + above =.
    m.zoomInx->setShortcuts({Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal});
    m.zoomOutx =
        addEntry(*m.zoomx, "zoomoutx", QStringLiteral("Zoom Out"), Qt::CTRL | Qt::Key_Minus);
    m.actualSizex =
        addEntry(*m.zoomx, "actualx", QStringLiteral("Actual Size"), Qt::CTRL | Qt::Key_0);
    addSeparator(*m.zoomx, "nullk");
    m.fitWindowx = addCheckEntry(*m.zoomx, "fitx", QStringLiteral("Fit to Window"), {}, false);
    m.viewx = addSubmenu(*m.optx, "viewx", QStringLiteral("View"));
    m.colourFoundx =
        addCheckEntry(*m.viewx, "colourx", QStringLiteral("Colour Found Words"), {}, false);
    m.showAnswersx = addCheckEntry(*m.viewx, "answersx", QStringLiteral("Show Answers"), {}, false);
    m.highContrastx =
        addCheckEntry(*m.viewx, "contrastx", QStringLiteral("High Contrast"), {}, false);
    m.soundx =
        addCheckEntry(*m.optx, "soundx", QStringLiteral("Sound"), Qt::CTRL | Qt::Key_S, true);
    addSeparator(*m.optx, "nullh");
    m.hsx = addEntry(*m.optx, "hsx", QStringLiteral("Fastest Times"), Qt::CTRL | Qt::Key_F);

    m.toolsx = addMenu(bar, "toolsx", QStringLiteral("Tools"));
    m.downUpx = addEntry(*m.toolsx, "down_upx", QStringLiteral("Download / Upload Puzzles"),
                         Qt::CTRL | Qt::Key_D);
    addSeparator(*m.toolsx, "nullf");
    m.cPuzzlex = addEntry(*m.toolsx, "c_puzzlex", QStringLiteral("Create QRW Puzzle"));
    m.edPuz = addEntry(*m.toolsx, "ed_puz", QStringLiteral("Edit QRW Puzzle"));

    m.helpx = addMenu(bar, "helpx", QStringLiteral("Help"));
    m.instx = addEntry(*m.helpx, "instx", QStringLiteral("Instructions"), Qt::Key_F1);
    addSeparator(*m.helpx, "nullg");
    m.aboutx = addEntry(*m.helpx, "aboutx", QStringLiteral("About"), Qt::CTRL | Qt::Key_A);
    m.warrx = addEntry(*m.helpx, "warrx", QStringLiteral("Warranty"));
    return m;
}
