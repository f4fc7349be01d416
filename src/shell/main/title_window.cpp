#include "shell/main/title_window.h"

#include "platform/artwork/artwork.h"
#include "platform/twips.h"

#include <QPainter>

TitleWindow::TitleWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("title_img"));
    setFixedSize(twips::toPixelsRounded(kWidth), twips::toPixelsRounded(kHeight));
}

void TitleWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    artwork::paintTitle(painter, QRectF(rect()));
    painter.setPen(QPen(QColor(0, 32, 32), 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}
