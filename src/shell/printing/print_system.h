#pragma once

#include <QPointer>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QObject;

struct PrinterList {
    QStringList names;
    QString defaultName;  // empty when the system names none
};

struct PrintJob {
    QString printer;
    int copies = 1;
    QString title;
    QString pdfPath;  // a finished PDF; the print system may remove it once it has the job
};

// The platform's print queues. Neither call waits for the print system: a print server that
// has stopped answering must never hold up the window. Answers come from the event loop and
// are dropped once `context` is destroyed.
class PrintSystem {
  public:
    virtual ~PrintSystem() = default;
    // `answer` may never come when the system does not reply.
    virtual void listPrinters(QObject* context, std::function<void(const PrinterList&)> answer) = 0;
    // `done(false)` when the queue refused the job or could not be reached.
    virtual void submit(const PrintJob& job, QObject* context,
                        std::function<void(bool accepted)> done) = 0;
};

// CUPS through its command-line clients, each run as a child process in a process group of
// its own: a hung server hangs the child, not the game, and a client given up on is ended with
// everything it started.
class CupsCommands : public PrintSystem {
  public:
    // Arranges for `giveUp` to run once `client` has waited too long; dropped with `client`.
    using Patience = std::function<void(QObject* client, std::function<void()> giveUp)>;
    static void twoMinutes(QObject* client, std::function<void()> giveUp);

    explicit CupsCommands(Patience patience = twoMinutes);
    // Ends every client still waiting, with all it started, and removes the job files they held:
    // no process or file of the game outlives it.
    ~CupsCommands() override;
    CupsCommands(const CupsCommands&) = delete;
    CupsCommands& operator=(const CupsCommands&) = delete;
    void listPrinters(QObject* context, std::function<void(const PrinterList&)> answer) override;
    void submit(const PrintJob& job, QObject* context,
                std::function<void(bool accepted)> done) override;

  private:
    // `file` is removed should the client have to be ended.
    void runClient(const QString& program, const QStringList& arguments, const QString& file,
                   std::function<void(bool ok, const QString& output)> finished);

    struct Client {
        QPointer<QProcess> process;  // null once it has ended
        QString file;
    };
    Patience patience_;
    std::vector<Client> clients_;
};

namespace printing {
// Reads `lpstat -d -e` output in the C locale.
PrinterList parsePrinterList(const QString& lpstatOutput);
}  // namespace printing
