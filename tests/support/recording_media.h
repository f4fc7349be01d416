#pragma once

#include "platform/media_control.h"

#include <QStringList>

// Records every command and file name; Done is raised only when a test calls finish().
class RecordingMedia : public MediaControl {
  public:
    void setFileName(const QString& path) override {
        fileName_ = path;
        log_ << QStringLiteral("file:") + path;
    }
    QString fileName() const override { return fileName_; }
    void command(const QString& verb) override { log_ << verb; }
    void finish() { reportDone(); }

    // Every entry: "file:<path>" or the command as sent.
    const QStringList& log() const { return log_; }
    void clear() { log_.clear(); }

  private:
    QString fileName_;
    QStringList log_;
};
