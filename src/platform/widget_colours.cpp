#include "platform/widget_colours.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

void setTextColour(QWidget* widget, const QColor& text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
}

void setBackgroundColour(QWidget* widget, const QColor& background) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setColours(QWidget* widget, const QColor& text, const QColor& background) {
    setTextColour(widget, text);
    setBackgroundColour(widget, background);
}

QColor textColour(const QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
}
