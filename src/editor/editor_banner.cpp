#include "editor/editor_banner.h"

#include "platform/artwork/artwork.h"

#include <QPainter>

EditorBanner::EditorBanner(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture1"));
}

void EditorBanner::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    artwork::paintEditorBanner(painter, rect());
}
