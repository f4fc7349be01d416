#pragma once

#include <QString>

class PlainLabel;
class QLabel;
class QPushButton;
class QWidget;

// The records windows are designed in twips with controls at fixed places; these helpers create
// a named control at its designed rectangle.
namespace designed {

QLabel* label(QWidget* parent, const char* name, const QString& text, int left, int top, int width,
              int height);
// For text from a theme or the settings store: plain, cut with an ellipsis (PlainLabel).
PlainLabel* plainLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                       int width, int height);
QPushButton* button(QWidget* parent, const char* name, const QString& text, int left, int top,
                    int width, int height);
// Client area size in twips.
void setClientSize(QWidget* window, int width, int height);

}  // namespace designed
