#include "editor/editor_banner.h"

#include "platform/artwork/tile_banner.h"

#include <QPainter>

EditorBanner::EditorBanner(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture1"));
}

void EditorBanner::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The marker runs over the word QUARROW in the middle.
    paintTileBanner(painter, rect(), QStringLiteral("WORDSQUARROWPUZZLE"), 5, 11);
}
