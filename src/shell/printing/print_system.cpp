#include "shell/printing/print_system.h"

#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QTimer>

#include <signal.h>
#include <unistd.h>

namespace {

// A client the server never answers is ended after this long; the answer is then dropped.
constexpr int kPatienceMs = 120'000;
const QString kDefaultPrefix = QStringLiteral("system default destination: ");

}  // namespace

void CupsCommands::twoMinutes(QObject* client, std::function<void()> giveUp) {
    QTimer::singleShot(kPatienceMs, client, std::move(giveUp));
}

CupsCommands::CupsCommands(Patience patience) : patience_(std::move(patience)) {}

// Runs `program` as a child in the C locale (its output is parsed) and calls `finished` with
// its success and output once it has ended or could not start.
void CupsCommands::runClient(const QString& program, const QStringList& arguments,
                             std::function<void(bool ok, const QString& output)> finished) {
    auto* process = new QProcess;
    // The client leads a process group of its own, so giving up reaches the lp that a wrapper
    // shell waits for, not the shell alone.
    process->setChildProcessModifier([] { setpgid(0, 0); });
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process->setProcessEnvironment(environment);
    auto report = [process, finished](bool ok) {
        process->deleteLater();
        finished(ok, QString::fromLocal8Bit(process->readAllStandardOutput()));
    };
    QObject::connect(process, &QProcess::finished, process,
                     [report](int code, QProcess::ExitStatus status) {
                         report(status == QProcess::NormalExit && code == 0);
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [report](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) report(false);
                     });
    patience_(process, [process] {
        if (const qint64 group = process->processId(); group > 0) ::kill(-pid_t(group), SIGKILL);
    });
    process->start(program, arguments);
}

namespace printing {

PrinterList parsePrinterList(const QString& lpstatOutput) {
    PrinterList list;
    for (const QString& raw : lpstatOutput.split('\n', Qt::SkipEmptyParts)) {
        const QString line = raw.trimmed();
        if (line.startsWith(kDefaultPrefix))
            list.defaultName = line.mid(kDefaultPrefix.size()).trimmed();
        else if (!line.isEmpty() && !line.contains(' '))
            list.names << line;
    }
    if (!list.names.contains(list.defaultName)) list.defaultName.clear();
    return list;
}

}  // namespace printing

void CupsCommands::listPrinters(QObject* context, std::function<void(const PrinterList&)> answer) {
    QPointer<QObject> guard(context);
    runClient(QStringLiteral("lpstat"), {QStringLiteral("-d"), QStringLiteral("-e")},
              [guard, answer](bool, const QString& output) {
                  // lpstat fails when one of its two questions has no answer; the other still
                  // counts.
                  if (guard) answer(printing::parsePrinterList(output));
              });
}

void CupsCommands::submit(const PrintJob& job, QObject* context,
                          std::function<void(bool accepted)> done) {
    const QString pdf = job.pdfPath;
    // lp has sent the whole file to the server by the time it ends; the shell then removes the
    // file, even when the game has ended first (a print server that does not answer keeps lp
    // waiting).
    runClient(QStringLiteral("sh"),
              {QStringLiteral("-c"),
               QStringLiteral("lp \"$@\"; status=$?; rm -f -- \"$0\"; exit $status"), pdf,
               QStringLiteral("-d"), job.printer, QStringLiteral("-n"), QString::number(job.copies),
               QStringLiteral("-t"), job.title, QStringLiteral("--"), pdf},
              [pdf, guard = QPointer<QObject>(context), done](bool ok, const QString&) {
                  QFile::remove(pdf);  // if lp had to be ended
                  if (guard) done(ok);
              });
}
