#include "editor/editor_box_colours.h"

void EditorBoxColours::setQuestionsOn(bool on) {
    questionsOn_ = on;
    markedRow_ = 0;
}

void EditorBoxColours::focusRow(int row) {
    if (questionsOn_) markedRow_ = row;
}

QColor EditorBoxColours::wordColour(int row) const {
    return row == markedRow_ ? kMarked : kWhite;
}

QColor EditorBoxColours::questionColour(int row) const {
    if (!questionsOn_) return kGrey;
    return row == markedRow_ ? kMarked : kWhite;
}
