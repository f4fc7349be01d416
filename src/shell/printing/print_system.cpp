#include "shell/printing/print_system.h"

#include "core/guarded_file.h"

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

CupsCommands::~CupsCommands() {
    for (const Client& client : clients_) {
        if (!client.process) continue;
        // Ended, not answered: nobody is left to hear it.
        client.process->disconnect();
        if (const qint64 group = client.process->processId(); group > 0)
            ::kill(-pid_t(group), SIGKILL);
        client.process->waitForFinished(1000);
        delete client.process.data();
        if (!client.file.isEmpty()) guarded_file::remove(client.file);
    }
}

// Runs `program` as a child in the C locale (its output is parsed) and calls `finished` with
// its success and output once it has ended or could not start.
void CupsCommands::runClient(const QString& program, const QStringList& arguments,
                             const QString& file,
                             std::function<void(bool ok, const QString& output)> finished) {
    auto* process = new QProcess;
    std::erase_if(clients_, [](const Client& client) { return !client.process; });
    clients_.push_back({process, file});
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
    runClient(QStringLiteral("lpstat"), {QStringLiteral("-d"), QStringLiteral("-e")}, {},
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
    // file. A game that quits first ends lp itself; one that is killed leaves it to `timeout`,
    // which ends lp in the same time the game would have waited (it stays in the client's
    // process group, so giving up still reaches it).
    runClient(
        QStringLiteral("sh"),
        {QStringLiteral("-c"),
         QStringLiteral("timeout --foreground -s KILL %1 lp \"$@\"; status=$?; "
                        "rm -f -- \"$0\"; exit $status")
             .arg(kPatienceMs / 1000),
         pdf, QStringLiteral("-d"), job.printer, QStringLiteral("-n"), QString::number(job.copies),
         QStringLiteral("-t"), job.title, QStringLiteral("--"), pdf},
        pdf, [pdf, guard = QPointer<QObject>(context), done](bool ok, const QString&) {
            guarded_file::remove(pdf);  // if lp had to be ended
            if (guard) done(ok);
        });
}
