#pragma once

#include "platform/shell_opener.h"

#include <QStringList>

class RecordingShell : public ShellOpener {
  public:
    void open(const QString& documentOrUrl) override { opened << documentOrUrl; }
    QStringList opened;
};
