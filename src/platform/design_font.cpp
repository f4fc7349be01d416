#include "platform/design_font.h"

QFont designFont(double points, bool bold) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
