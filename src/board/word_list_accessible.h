#pragma once

#include "board/board_accessible.h"

// The word list: one item per word of the game, naming the word, its question or its place
// and length, and whether it has been found.
class WordListAccessible : public BoardPartAccessible {
  public:
    using BoardPartAccessible::BoardPartAccessible;

    QAccessible::Role role() const override { return QAccessible::List; }
    QRect rect() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

  protected:
    QString name() const override;
};

class WordListItemAccessible : public BoardPartAccessible {
  public:
    WordListItemAccessible(BoardAccessibility& owner, int slot)
        : BoardPartAccessible(owner), slot_(slot) {}

    int slot() const { return slot_; }
    QAccessibleInterface* parent() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QRect rect() const override;
    QAccessible::State state() const override;

  protected:
    QString name() const override;

  private:
    int slot_;
};
