#include "platform/shell_opener.h"

#include <QDesktopServices>
#include <QUrl>

void DesktopShellOpener::open(const QString& documentOrUrl) {
    const QUrl url = documentOrUrl.contains(QLatin1String("://"))
                         ? QUrl(documentOrUrl)
                         : QUrl::fromLocalFile(documentOrUrl);
    QDesktopServices::openUrl(url);
}
