#include "shell/main/quarrow_app.h"
#include "platform/twips.h"

#include <QApplication>
#include <QFont>
#include <QScreen>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The program decides itself when to end: only a confirmed quit ends it.
    QApplication::setQuitOnLastWindowClosed(false);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        twips::setLogicalDpi(screen->logicalDotsPerInch());
    }
    // The designed fonts are "MS Sans Serif"; where it is missing, prefer a face of similar width
    // so that word-list entries fit as designed.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("DejaVu Sans")});
    QuarrowApp quarrow(QCoreApplication::applicationDirPath());
    quarrow.start();
    return QApplication::exec();
}
