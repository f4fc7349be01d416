#include "shell/main/quarrow_app.h"
#include "shell/platform/twips.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The program decides itself when to end: only a confirmed quit ends it.
    QApplication::setQuitOnLastWindowClosed(false);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        twips::setLogicalDpi(screen->logicalDotsPerInch());
    }
    QuarrowApp quarrow(QCoreApplication::applicationDirPath());
    quarrow.start();
    return QApplication::exec();
}
