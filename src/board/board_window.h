#pragma once

#include "board/board_model.h"
#include "board/static_board_cache.h"

#include <QWidget>

struct Services;
class QPainter;
class QTimer;

// The board window QRW_MF: letter grid, word list, strike lines, the flash and completion
// timers. Everything is painted by paintBoard(), which also serves printing.
class BoardWindow : public QWidget {
    Q_OBJECT
  public:
    explicit BoardWindow(Services& services, QWidget* parent = nullptr);
    ~BoardWindow() override;

    BoardModel& model() { return model_; }
    const BoardModel& model() const { return model_; }
    // Call after changing the model directly, so the window repaints.
    void modelChanged();

    // Fonts of the grid and the word list; element 1 stands for the whole array.
    // setEntryFont keeps the entry's strikethrough, the record that its word is found; clear
    // that through model() when a new game starts.
    void setCellFont(int n, const QFont& font);
    void setEntryFont(int i, const QFont& font);
    void setTitle(const QString& title);  // Label1 and then Label2
    void setLook(const BoardLook& look);

    // Play (selection, striking, completion). Mouse handlers are public so tests can drive them.
    void wsMouseDown(int cell, Qt::MouseButton button);
    void wsMouseMove(int cell);
    void wcoMouseDown(int entry, Qt::MouseButton button, const QPoint& globalPos);
    void wcoMouseMove(int entry);
    void addLine(int slot);
    void endOfPuzzle();
    // Lays line `line` from the first to the last letter of word `slot` and shows it.
    void layLineOverWord(int line, int slot);
    void clearSurface();  // drops anything drawn directly on the surface

    // Timer handlers, public so tests can step them without waiting.
    void hlFlashTimer();
    void hlFlashCheckTimer();
    void puzzleCompleteTimer();
    bool hlFlashEnabled() const;
    bool hlFlashCheckEnabled() const;
    bool puzzleCompleteEnabled() const;
    void startFlash();  // enables hl_flash and hl_flash_check
    // Once a game has ended or been dropped no tick of it may reach the next game.
    void stopTimers();
    // A word struck while another still flashes takes the flash over: the earlier word's line
    // and entry return to normal first. Called before every strike.
    void settleRunningFlash();

    // The board's client area as it is drawn on screen, for the screen and the printer alike.
    // The screen itself paints through a cache of the static board.
    void paintBoard(QPainter& painter) const;
    QSize clientSizePixels() const;  // the designed size, whatever the zoom

    // The whole board, input included, shown at `scale` times its designed size; the window
    // takes the zoomed size.
    void setZoom(double scale);
    double zoom() const { return zoom_; }

    // Keyboard play: the cell cursor, shown from the first key until the mouse is used.
    int cursorCell() const { return cursorCell_; }
    bool cursorShown() const { return cursorShown_; }

    // Cell and entry under a point of the board (pixels), 0 when none.
    int cellAt(const QPointF& pos) const;
    int entryAt(const QPointF& pos) const;

    // The first activation hides the board while the state asks for it (before any game).
    void formActivate();
    // Show or hide the board as the player sees it: its MDI sub-window when it sits in one.
    void showBoard();
    void hideBoard();
    bool boardVisible() const;

    QSize sizeHint() const override;

  signals:
    void optionsMenuRequested(const QPoint& globalPos);  // right click on the word list
    void hoverText(const QString& text);                 // for the status strip's show_full
    void puzzleInformationDisabled();                    // first strike of a game
    void gameEnded();        // end_of_puzzle: reveal entries off, game clock stopped
    void completionReady();  // completion sequence done: hide title_img, open end_puzzle

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;  // ends a drag
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;  // activation and tool tips

  private:
    QWidget* frame();
    bool selectionOpen() const;
    void showCursor(bool shown);
    void moveCursor(int cell);
    void updateBoardArea(const QRect& boardPixels);  // repaints that part of the zoomed board

    Services& services_;
    BoardModel model_;
    QTimer* hlFlash_;
    QTimer* hlFlashCheck_;
    QTimer* puzzleComplete_;
    StaticBoardCache staticBoard_;
    double zoom_ = 1;
    int cursorCell_ = 1;
    bool cursorShown_ = false;
    int dragFrom_ = 0;  // the cell whose press opened the selection, while the button is down
    QPointF lastPointer_{-1, -1};
};
