#pragma once

#include <QColor>

// Back colours of the editor's word and question boxes. Question boxes are grey and take no
// input while questions are off; while they are on, the row holding the focus is marked in
// both its boxes so the player sees which question belongs to which word.
class EditorBoxColours {
  public:
    static inline const QColor kWhite{255, 255, 255};
    static inline const QColor kGrey{155, 155, 155};
    static inline const QColor kMarked{255, 125, 125};

    void setQuestionsOn(bool on);  // also clears the marked row
    void focusRow(int row);        // a word or question box of `row` (1..20) took the focus

    bool questionsOn() const { return questionsOn_; }
    int markedRow() const { return markedRow_; }  // 0 when none
    QColor wordColour(int row) const;
    QColor questionColour(int row) const;

  private:
    bool questionsOn_ = false;
    int markedRow_ = 0;
};
