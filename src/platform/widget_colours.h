#pragma once

class QColor;
class QWidget;

// Text and background colours of a control, set through its palette so tests can read them back.
void setTextColour(QWidget* widget, const QColor& text);
void setBackgroundColour(QWidget* widget, const QColor& background);  // opaque
void setColours(QWidget* widget, const QColor& text, const QColor& background);
QColor textColour(const QWidget* widget);
