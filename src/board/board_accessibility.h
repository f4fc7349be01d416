#pragma once

#include "board/board_snapshot.h"
#include "core/game_state.h"

#include <QAccessible>
#include <QObject>

#include <array>
#include <vector>

class BoardPlay;
class BoardWindow;
class GameSession;
class GridAccessible;
class GridCellAccessible;
class SpokenStatusAccessible;
class WordListAccessible;
class WordListItemAccessible;

// Makes a board window readable by screen readers: owns the accessible objects of its grid and
// word list, and after every key, click, strike or new game tells assistive technology what
// changed (names, the focused cell) and what to announce. A child of the board it serves,
// made before anything asks for the board's accessible object.
class BoardAccessibility : public QObject {
    Q_OBJECT
  public:
    explicit BoardAccessibility(BoardPlay& play);
    ~BoardAccessibility() override;

    // The one a board window carries, or nullptr.
    static BoardAccessibility* of(QObject* board);

    BoardWindow& board() const { return board_; }
    BoardSnapshot snapshot() const { return readBoard(board_, session_); }
    const QString& lastAnnouncement() const { return announcement_; }

    QAccessibleInterface* grid() const;
    QAccessibleInterface* wordList() const;
    QAccessibleInterface* status() const;
    QAccessibleInterface* cell(int n) const;      // 1..360
    QAccessibleInterface* entry(int slot) const;  // 1..kMaxWords

    // Compares the board with what was last told and sends the events for the difference.
    void sync();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void syncSoon();
    void announce(const QString& text);

    BoardWindow& board_;
    const GameSession& session_;
    BoardSnapshot told_;
    QString announcement_;
    bool syncPending_ = false;
    // Registered with Qt, which owns them until the destructor hands them back.
    GridAccessible* grid_;
    std::array<GridCellAccessible*, GameState::kCells + 1> cells_{};
    WordListAccessible* wordList_;
    std::array<WordListItemAccessible*, kMaxWords + 1> entries_{};
    SpokenStatusAccessible* status_;
    std::vector<QAccessible::Id> registered_;
};
