#include "records/designed_controls.h"

#include "platform/twips.h"

#include <QLabel>
#include <QPushButton>

namespace designed {

QLabel* label(QWidget* parent, const char* name, const QString& text, int left, int top, int width,
              int height) {
    auto* control = new QLabel(text, parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(twips::rect(left, top, width, height));
    return control;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, int left, int top,
                    int width, int height) {
    auto* control = new QPushButton(text, parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(twips::rect(left, top, width, height));
    return control;
}

void setClientSize(QWidget* window, int width, int height) {
    window->setFixedSize(twips::toPixelsRounded(width), twips::toPixelsRounded(height));
}

}  // namespace designed
