#pragma once

#include <QThread>

// The thread every media engine runs on. Qt's sound back end may wait on the sound server for
// half a minute at a time (a server that hangs, or one it keeps reconnecting to); on this thread
// that wait holds up the sound, never the windows.
class MediaThread {
  public:
    MediaThread();
    ~MediaThread();
    MediaThread(const MediaThread&) = delete;
    MediaThread& operator=(const MediaThread&) = delete;

    QThread* thread() { return thread_; }

    // Whether a media thread was left behind still waiting on the sound system. Qt's sound back
    // end then waits for it at process exit too, so the program must end without exit handlers.
    static bool anyLeftBehind();

  private:
    QThread* thread_;
};
