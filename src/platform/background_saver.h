#pragma once

#include "platform/file_identity.h"

#include <QByteArray>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

// Saves the settings file on a thread of its own. Creating the new file and renaming it into
// place can wait tens of milliseconds for a busy disk, the sync far longer, and the window thread
// waits for none of it. The saver also keeps the lock shared with the other copies of the
// program: an operation takes it on the window thread and hands it over with its save, and it is
// let go once the file is in place, so each read-modify-write stays whole across copies.
class BackgroundSaver {
  public:
    explicit BackgroundSaver(QString path);
    ~BackgroundSaver();  // waits up to kPatience for the saves still on their way
    BackgroundSaver(const BackgroundSaver&) = delete;
    BackgroundSaver& operator=(const BackgroundSaver&) = delete;

    static constexpr std::chrono::seconds kPatience{5};

    enum class Claim {
        Taken,      // the lock is this copy's now
        StillHeld,  // saves of this copy still hold it: the file is as this copy left it
        Refused,    // another copy kept it all the time allowed, or no lock file can be made
    };
    // Takes the lock for an operation.
    Claim claim(std::chrono::milliseconds patience);
    // Ends a claim that has nothing to save.
    void release();
    // Ends a claim by handing over the whole new text of the file, as save `number` (rising).
    void save(quint64 number, QByteArray bytes);
    // True while this copy holds the lock (no other copy can have changed the file meanwhile) or
    // has results not yet taken.
    bool holdsLockOrNews() const;

    struct Result {
        quint64 number;
        bool saved;         // renamed into place: every reader finds it
        FileIdentity file;  // the file as saved
    };
    // Saves finished since the last call, oldest first; each is told before the lock is let go
    // after it. A save replaced by a newer one before it was written gets no result of its own:
    // the newer one carries it too.
    std::vector<Result> takeResults();
    // Waits up to `patience` until every save handed over is finished; false when one is not.
    bool waitUntilDone(std::chrono::milliseconds patience);
    // Runs on the saver's thread after each result, to wake the window thread.
    void onResult(std::function<void()> wake);

  private:
    struct Shared;
    static void run(const std::shared_ptr<Shared>& shared);

    std::shared_ptr<Shared> shared_;  // the thread keeps it alive should it outlast this
    std::thread thread_;
};
