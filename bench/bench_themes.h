#pragma once

// Theme files and word lists shared by the generator benchmarks.
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <vector>

inline QString writeTheme(const QTemporaryDir& dir, const std::vector<const char*>& words) {
    QByteArray bytes = "Bench\r\n!Bench\r\n#" + QByteArray::number(int(words.size())) + "W\r\n";
    for (const char* word : words) bytes += QByteArray(word) + "\r\n";
    const QString path = dir.filePath(QStringLiteral("bench.qrw"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    return path;
}

inline QStringList shippedThemes() {
    const QDir data(QStringLiteral(QUARROW_SOURCE_DIR "/data"));
    QStringList paths;
    for (const QString& name : data.entryList({QStringLiteral("*.qrw")}, QDir::Files))
        paths << data.filePath(name);
    return paths;
}

inline const std::vector<const char*> kTenShortWords = {"CAT", "DOG", "EEL", "FOX", "GNU",
                                                        "HEN", "OWL", "PIG", "RAT", "YAK"};
inline const std::vector<const char*> kTwentyLongWords = {
    "ALLIGATOR",    "BUTTERFLY",   "CHAMELEON",  "CHIMPANZEE",  "CROCODILE",
    "DRAGONFLY",    "ELEPHANT",    "FLAMINGO",   "GRASSHOPPER", "HEDGEHOG",
    "HIPPOPOTAMUS", "KANGAROO",    "LADYBIRD",   "MOSQUITO",    "NIGHTINGALE",
    "PORCUPINE",    "RATTLESNAKE", "SALAMANDER", "TARANTULA",   "WOODPECKER"};
// Three words of each length from 8 to 13 and two of 14.
inline const std::vector<const char*> kEightToFourteen = {
    "ELEPHANT",      "FLAMINGO",      "HEDGEHOG",      "ALLIGATOR",      "BUTTERFLY",
    "CROCODILE",     "CHIMPANZEE",    "SALAMANDER",    "WOODPECKER",     "GRASSHOPPER",
    "NIGHTINGALE",   "RATTLESNAKE",   "HIPPOPOTAMUS",  "CATERPILLARS",   "HUMMINGBIRDS",
    "TYRANNOSAURUS", "VELOCIRAPTORS", "STEGOSAURUSES", "CONGRATULATION", "PHOTOSYNTHESIS"};
inline const std::vector<const char*> kTwentyFourteenLetterWords = {
    "ADMINISTRATION", "ACCOMMODATIONS", "CHARACTERISTIC", "CONGRATULATION", "CONSTELLATIONS",
    "DETERMINATIONS", "ENTERTAINMENTS", "ENVIRONMENTALS", "INTERPRETATION", "INVESTIGATIONS",
    "MISINTERPRETED", "OVERWHELMINGLY", "PHOTOSYNTHESIS", "PROFESSIONALLY", "RECOMMENDATION",
    "REPRESENTATIVE", "RESPONSIBILITY", "SIMULTANEOUSLY", "TRANSFORMATION", "UNDERSTANDINGS"};
