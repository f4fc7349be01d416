#include "shell/startup/title_artwork.h"

#include "platform/artwork/tile_banner.h"

#include <QPainter>

QPixmap titleArtwork() {
    QPixmap pixmap(230, 35);
    QPainter painter(&pixmap);
    // The name, with the marker over its middle letters.
    paintTileBanner(painter, pixmap.rect(), QStringLiteral("QUARROW"), 1, 4);
    return pixmap;
}
