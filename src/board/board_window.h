#pragma once

#include "board/board_model.h"
#include "board/static_board_cache.h"

#include <QWidget>

class GameSession;
class QHelpEvent;
class QPainter;
struct GameState;

// The board window QRW_MF: draws the letter grid, the word list and the strike lines of a game,
// and turns mouse and keys into presses and moves on cells, which whoever plays the game acts
// on. Everything is painted by paintBoard(), which also serves printing.
class BoardWindow : public QWidget {
    Q_OBJECT
  public:
    explicit BoardWindow(GameState& state, QWidget* parent = nullptr);
    ~BoardWindow() override;

    const BoardModel& model() const { return model_; }
    // Draws the game as it now stands; only what changed is painted again.
    void showSession(const GameSession& session);

    // Fonts of the grid and the word list; element 1 stands for the whole array.
    void setCellFont(int n, const QFont& font);
    void setEntryFont(int i, const QFont& font);
    void setTitle(const QString& title);  // the title and its shadow
    void setLook(const BoardLook& look);
    // A paused game: a cover hides the grid and the word list, and the board takes no input.
    void setCovered(bool covered);
    bool covered() const { return covered_; }

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
    // A single left or right button (or the key standing for it) went down on a cell.
    void cellPressed(int cell, PressButton button);
    void pointerOver(int cell);   // the pointer or the cursor moved onto a cell
    void leftReleased(int cell);  // the left button, pressed on a cell, came up over `cell`
    // A right click on the word list, or the menu key (Shift+F10) anywhere on the board.
    void optionsMenuRequested(const QPoint& globalPos);
    void hoverText(const QString& text);  // for the status strip's show_full
    void coveredChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;  // activation and tool tips

  private:
    QWidget* frame();
    void showCursor(bool shown);
    QPoint cursorOnScreen() const;  // the cursor cell's centre
    void moveCursor(int cell);
    void showToolTip(QHelpEvent* help);
    void updateBoardArea(const QRect& boardPixels);  // repaints that part of the zoomed board

    GameState& state_;
    BoardModel model_;
    StaticBoardCache staticBoard_;
    bool covered_ = false;
    double zoom_ = 1;
    int cursorCell_ = 1;
    bool cursorShown_ = false;
    bool leftDownOnCell_ = false;
    QPointF lastPointer_{-1, -1};
};
