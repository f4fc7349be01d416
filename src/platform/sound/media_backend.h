#pragma once

#include <QString>
#include <QStringList>

// Qt 6.4's FFmpeg media back end crashes or deadlocks when the sound server goes away; its
// GStreamer back end survives. The back end to ask Qt for: GStreamer when it is installed and
// the user has named none; otherwise nothing, leaving the user's or Qt's own choice.
QString mediaBackendToChoose(const QString& userChoice, const QStringList& installed);

// The keys of the media back-end plugins Qt would find.
QStringList installedMediaBackends();

// Applies mediaBackendToChoose to this process; call before anything uses Qt Multimedia.
void chooseMediaBackend();
