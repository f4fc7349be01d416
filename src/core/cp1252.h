#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Windows-1252, the code page theme files are stored in. Every byte decodes to one character
// (the five bytes the code page leaves undefined become the C1 control characters of the same
// number), so decoding and encoding again gives back the original bytes.
QString decodeCp1252(QByteArrayView bytes);

// A character the code page cannot hold is written as "?" (one per character, so a character
// outside the Basic Multilingual Plane also gives a single "?").
QByteArray encodeCp1252(QStringView text);

// The first character of `text` the code page cannot hold (two code units for one outside the
// Basic Multilingual Plane); empty when every character can be stored.
QString firstOutsideCp1252(QStringView text);
