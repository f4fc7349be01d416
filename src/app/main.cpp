#include "platform/sound/media_backend.h"
#include "platform/sound/media_thread.h"
#include "platform/twips.h"
#include "shell/main/command_line.h"
#include "shell/main/quarrow_app.h"

#include <QApplication>
#include <QFont>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

namespace {
// Help and version need no display, so they are answered before the application starts.
int answerWithoutWindows(const CommandLine& line) {
    switch (line.action) {
        case CommandLine::Action::Help:
            std::fputs(qPrintable(commandLineHelp()), stdout);
            return 0;
        case CommandLine::Action::Version:
            std::fputs(qPrintable(versionText()), stdout);
            return 0;
        case CommandLine::Action::Error:
            std::fprintf(stderr, "quarrow: %s\nTry 'quarrow --help'.\n", qPrintable(line.error));
            return 2;
        case CommandLine::Action::Play:
            break;
    }
    return -1;
}
}  // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine line = parseCommandLine(arguments);
    if (const int status = answerWithoutWindows(line); status >= 0) return status;

    int status = 0;
    {
        QApplication app(argc, argv);
        // The program decides itself when to end: only a confirmed quit ends it.
        QApplication::setQuitOnLastWindowClosed(false);
        chooseMediaBackend();
        QGuiApplication::setDesktopFileName(QStringLiteral(QUARROW_APP_ID));
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            twips::setLogicalDpi(screen->logicalDotsPerInch());
        }
        // The designed fonts are "MS Sans Serif"; where it is missing, prefer a face of similar
        // width so that word-list entries fit as designed.
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                    QStringLiteral("DejaVu Sans")});
        QuarrowApp quarrow(locateProgramFolder(QCoreApplication::applicationDirPath(),
                                               QStringLiteral(QUARROW_INSTALLED_RELATIVE)));
        quarrow.start(line.editFile);
        status = QApplication::exec();
    }
    if (MediaThread::anyLeftBehind()) {
        // Everything is saved and closed; only Qt's sound back end would still wait at exit.
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
