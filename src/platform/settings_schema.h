#pragma once

#include <QString>

#include <array>

class SettingsStore;

// Every key of the settings store, each spelt once here with what its text holds and what stands
// in for it when it is missing or does not read as that. Section "Settings" unless said.
namespace settings {

// "True" / "False".
struct FlagKey {
    QString name;
    bool fallback;
};
// Whole decimal number within long long; missing or unreadable counts as 0.
struct CounterKey {
    QString name;
};
// Decimal number, also with a fraction, within [lowest, highest].
struct NumberKey {
    QString name;
    double fallback;
    double lowest;
    double highest;
};
// Any text.
struct TextKey {
    QString name;
    QString fallback;
};

// True until the first-run set-up has written every default; a value that is no Boolean at all
// counts as a later run. Every file the store saves holds it, as its last line.
inline const FlagKey kFirstRun{QStringLiteral("F_RUN"), true};
inline const FlagKey kSound{QStringLiteral("SOUND"), true};
inline const FlagKey kInkSaving{QStringLiteral("P_INKSAVE"), false};
inline const FlagKey kAnswerPage{QStringLiteral("P_ANSWERS"), false};

inline const CounterKey kCompleted{QStringLiteral("S_COMP")};
inline const CounterKey kRevealed{QStringLiteral("S_REV")};
inline const CounterKey kWordsRevealed{QStringLiteral("S_CHEAT")};
inline const CounterKey kPlayed{QStringLiteral("S_PLAYED")};  // always completed + revealed
inline const CounterKey kSecondsPlayed{QStringLiteral("S_TIMEP")};
inline const std::array<CounterKey, 5> kCounters{kCompleted, kRevealed, kWordsRevealed, kPlayed,
                                                 kSecondsPlayed};

// How the board is shown: Options > Zoom (the zoom in percent, a multiple of 25) and View.
inline const NumberKey kZoom{QStringLiteral("ZOOM"), 100, 50, 300};
inline const FlagKey kFitToWindow{QStringLiteral("ZOOM_FIT"), false};
inline const FlagKey kColourFound{QStringLiteral("COLOUR_FOUND"), false};
inline const FlagKey kShowAnswers{QStringLiteral("SHOW_ANSWERS"), false};
inline const FlagKey kHighContrast{QStringLiteral("HIGH_CONTRAST"), false};

// A font of the board; the size in points as a font dialog can give it.
struct FontKeys {
    TextKey family;
    NumberKey size;
    FlagKey bold;
    FlagKey italic;
};
inline const FontKeys kGridFont{{QStringLiteral("G_FNAME"), QStringLiteral("MS Sans Serif")},
                                {QStringLiteral("G_FSIZE"), 14, 1, 512},
                                {QStringLiteral("G_FBOLD"), true},
                                {QStringLiteral("G_FITALIC"), false}};
inline const FontKeys kWordsFont{{QStringLiteral("W_FNAME"), QStringLiteral("MS Sans Serif")},
                                 {QStringLiteral("W_FSIZE"), 14, 1, 512},
                                 {QStringLiteral("W_FBOLD"), true},
                                 {QStringLiteral("W_FITALIC"), false}};

// Section "F_Times", row 1..10 of the fastest-times table: the player's name, the time as the
// clock showed it (m:ss) and the theme's title.
QString fastTimeNameKey(int row);    // "S<n>_N"
QString fastTimeTimeKey(int row);    // "S<n>_S"
QString fastTimePuzzleKey(int row);  // "S<n>_P"

// The stored value, or the key's fallback where it is missing or does not read as its kind.
bool read(const SettingsStore& store, const FlagKey& key);
double read(const SettingsStore& store, const NumberKey& key);
QString read(const SettingsStore& store, const TextKey& key);
// The counter's text as stored ("0" when missing), for showing it as the player left it.
QString readText(const SettingsStore& store, const CounterKey& key);

void write(SettingsStore& store, const FlagKey& key, bool value);
void write(SettingsStore& store, const CounterKey& key, long long value);
void write(SettingsStore& store, const NumberKey& key, double value);
void write(SettingsStore& store, const TextKey& key, const QString& value);

}  // namespace settings
