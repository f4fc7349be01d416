#pragma once

#include <QAccessibleInterface>
#include <QAccessibleWidget>

class BoardAccessibility;

// The grid, the word list and their parts are painted, not widgets: each is an accessible
// object of its own inside the board's, owned by the board's BoardAccessibility.
class BoardPartAccessible : public QAccessibleInterface {
  public:
    explicit BoardPartAccessible(BoardAccessibility& owner) : owner_(owner) {}

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    // The board; parts inside a part give their own.
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    QString text(QAccessible::Text t) const override;
    // Invisible while the board is hidden; parts add their own states to this.
    QAccessible::State state() const override;

  protected:
    // The accessible name; the other texts are empty.
    virtual QString name() const = 0;
    // A rectangle of the board in twips, as the screen shows it.
    QRect onScreen(double left, double top, double width, double height) const;

    BoardAccessibility& owner_;
};

// The status line a screen reader follows: its name is the last announcement of play. Screen
// readers speak a notification that shows, wherever the focus is; a status bar's new name they
// speak only when it has the focus.
class SpokenStatusAccessible : public BoardPartAccessible {
  public:
    using BoardPartAccessible::BoardPartAccessible;
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QRect rect() const override;

  protected:
    QString name() const override;
};

// The board window: the letter grid, the word list and the status line.
class BoardAccessible : public QAccessibleWidget {
  public:
    BoardAccessible(QWidget* board, BoardAccessibility& owner);

    QString text(QAccessible::Text t) const override;
    int childCount() const override { return 3; }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

  private:
    BoardAccessibility& owner_;
};
