#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// The records windows are designed in twips with controls at fixed places; these helpers create
// a named control at its designed rectangle.
namespace designed {

QLabel* label(QWidget* parent, const char* name, const QString& text, int left, int top, int width,
              int height);
QPushButton* button(QWidget* parent, const char* name, const QString& text, int left, int top,
                    int width, int height);
// Opaque background and text colour through the palette, so they can be read back.
void setColours(QWidget* widget, const QColor& text, const QColor& background);
void setTextColour(QWidget* widget, const QColor& text);
QColor textColour(const QWidget* widget);
// Client area size in twips.
void setClientSize(QWidget* window, int width, int height);

}  // namespace designed
