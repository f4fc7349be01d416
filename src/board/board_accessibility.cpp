#include "board/board_accessibility.h"

#include "board/board_play.h"
#include "board/board_speech.h"
#include "board/board_window.h"
#include "board/grid_accessible.h"
#include "board/word_list_accessible.h"

#include <QAccessibleEvent>
#include <QEvent>

namespace {
constexpr std::size_t kFewCells = 20;  // at most one word's worth

void send(QAccessibleInterface* iface, QAccessible::Event type) {
    QAccessibleEvent event(iface, type);
    QAccessible::updateAccessibility(&event);
}

QAccessibleInterface* boardFactory(const QString&, QObject* object) {
    BoardAccessibility* owner = BoardAccessibility::of(object);
    return owner ? new BoardAccessible(&owner->board(), *owner) : nullptr;
}
}  // namespace

BoardAccessibility::BoardAccessibility(BoardPlay& play)
    : QObject(&play.board()),
      board_(play.board()),
      session_(play.session()),
      grid_(new GridAccessible(*this)),
      wordList_(new WordListAccessible(*this)),
      status_(new SpokenStatusAccessible(*this)) {
    setObjectName(QStringLiteral("board_accessibility"));
    QAccessible::installFactory(boardFactory);  // once: Qt ignores a factory it already has
    for (int n = 1; n <= GameState::kCells; ++n) cells_[n] = new GridCellAccessible(*this, n);
    for (int i = 1; i <= kMaxWords; ++i) {
        entries_[i] = new WordListItemAccessible(*this, i);
    }
    // Registered up front: their ids stay the same for the whole run.
    registered_.push_back(QAccessible::registerAccessibleInterface(grid_));
    registered_.push_back(QAccessible::registerAccessibleInterface(wordList_));
    registered_.push_back(QAccessible::registerAccessibleInterface(status_));
    for (int n = 1; n <= GameState::kCells; ++n) {
        registered_.push_back(QAccessible::registerAccessibleInterface(cells_[n]));
    }
    for (int i = 1; i <= kMaxWords; ++i) {
        registered_.push_back(QAccessible::registerAccessibleInterface(entries_[i]));
    }
    told_ = snapshot();
    board_.installEventFilter(this);
    // Strikes and the end of a game also come from menu commands.
    connect(&play, &BoardPlay::wordFoundByHand, this, &BoardAccessibility::syncSoon);
    connect(&play, &BoardPlay::gameEnded, this, &BoardAccessibility::syncSoon);
    connect(&board_, &BoardWindow::coveredChanged, this, &BoardAccessibility::syncSoon);
}

BoardAccessibility::~BoardAccessibility() {
    for (QAccessible::Id id : registered_) QAccessible::deleteAccessibleInterface(id);
}

BoardAccessibility* BoardAccessibility::of(QObject* board) {
    if (!qobject_cast<BoardWindow*>(board)) return nullptr;
    return board->findChild<BoardAccessibility*>(QStringLiteral("board_accessibility"),
                                                 Qt::FindDirectChildrenOnly);
}

QAccessibleInterface* BoardAccessibility::grid() const {
    return grid_;
}
QAccessibleInterface* BoardAccessibility::wordList() const {
    return wordList_;
}
QAccessibleInterface* BoardAccessibility::status() const {
    return status_;
}
QAccessibleInterface* BoardAccessibility::cell(int n) const {
    return n >= 1 && n <= GameState::kCells ? cells_[n] : nullptr;
}
QAccessibleInterface* BoardAccessibility::entry(int slot) const {
    return slot >= 1 && slot <= kMaxWords ? entries_[slot] : nullptr;
}

void BoardAccessibility::sync() {
    syncPending_ = false;
    const BoardSnapshot now = snapshot();
    const BoardSnapshot before = std::exchange(told_, now);

    if (now.covered != before.covered) {
        // The whole grid and list go or come back at once: one event each, not one per cell.
        send(grid_, QAccessible::ObjectReorder);
        send(wordList_, QAccessible::ObjectReorder);
        announce(now.covered ? board_speech::paused() : board_speech::resumed());
        if (now.focused && !now.covered) send(cells_[now.cursorCell], QAccessible::Focus);
        return;
    }
    if (now.covered) return;  // nothing shows under the cover
    std::vector<int> renamed;
    for (int n = 1; n <= GameState::kCells; ++n) {
        if (now.letters[n] != before.letters[n]) renamed.push_back(n);
    }
    // A new game's letters are one change to the grid, not hundreds for a screen reader.
    if (renamed.size() > kFewCells) {
        send(grid_, QAccessible::ObjectReorder);
    } else {
        for (int n : renamed) send(cells_[n], QAccessible::NameChanged);
    }
    if (now.entryCount != before.entryCount) send(wordList_, QAccessible::ObjectReorder);
    for (int i = 1; i <= now.entryCount; ++i) {
        if (now.entryNames[i] != before.entryNames[i]) send(entries_[i], QAccessible::NameChanged);
    }
    if (now.anchorCell != before.anchorCell) {
        if (before.anchorCell) send(cells_[before.anchorCell], QAccessible::SelectionRemove);
        if (now.anchorCell) send(cells_[now.anchorCell], QAccessible::SelectionAdd);
    }
    if (now.focused && (!before.focused || now.cursorCell != before.cursorCell)) {
        send(cells_[now.cursorCell], QAccessible::Focus);
    }
    const QStringList said = announcements(before, now);
    if (!said.isEmpty()) announce(said.join(QStringLiteral(". ")));
}

void BoardAccessibility::announce(const QString& text) {
    announcement_ = text;
    send(status_, QAccessible::NameChanged);
    send(status_, QAccessible::ObjectShow);
}

void BoardAccessibility::syncSoon() {
    if (syncPending_) return;
    syncPending_ = true;
    // Once the board has finished with the event, so that a strike and the end of the game it
    // brings are told together, and never half done.
    QMetaObject::invokeMethod(this, &BoardAccessibility::sync, Qt::QueuedConnection);
}

bool BoardAccessibility::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::FocusIn:
        case QEvent::FocusOut:
        case QEvent::Show:
            syncSoon();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}
