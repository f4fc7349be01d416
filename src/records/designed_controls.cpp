#include "records/designed_controls.h"

#include "platform/plain_label.h"
#include "platform/twips.h"

#include <QLabel>
#include <QPushButton>

namespace designed {

namespace {
template <typename Control>
Control* placed(Control* control, const char* name, int left, int top, int width, int height) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(twips::rect(left, top, width, height));
    return control;
}
}  // namespace

QLabel* label(QWidget* parent, const char* name, const QString& text, int left, int top, int width,
              int height) {
    return placed(new QLabel(text, parent), name, left, top, width, height);
}

PlainLabel* plainLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                       int width, int height) {
    return placed(new PlainLabel(text, parent), name, left, top, width, height);
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, int left, int top,
                    int width, int height) {
    return placed(new QPushButton(text, parent), name, left, top, width, height);
}

void setClientSize(QWidget* window, int width, int height) {
    window->setFixedSize(twips::toPixelsRounded(width), twips::toPixelsRounded(height));
}

}  // namespace designed
