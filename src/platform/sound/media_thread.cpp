#include "platform/sound/media_thread.h"

#include <QDebug>

#include <atomic>

namespace {
// How long quitting waits for a media thread still stuck on the sound server.
constexpr unsigned long kQuitPatienceMs = 2000;
std::atomic<bool> leftBehind{false};
}  // namespace

bool MediaThread::anyLeftBehind() {
    return leftBehind;
}

MediaThread::MediaThread() : thread_(new QThread) {
    thread_->setObjectName(QStringLiteral("media"));
    thread_->start();
}

MediaThread::~MediaThread() {
    thread_->quit();
    if (thread_->wait(kQuitPatienceMs)) {
        delete thread_;
        return;
    }
    // Destroying a running QThread aborts the program; the thread ends with the process.
    leftBehind = true;
    qWarning("The sound system did not answer; quitting without it.");
}
