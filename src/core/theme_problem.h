#pragma once

#include <QString>

// Where and why a theme file cannot be read or played: the line (counting from 1; 0 stands
// for the file as a whole, which could not be read), what was expected there and what was found.
struct ThemeProblem {
    int line = 0;
    QString expected;
    QString found;
};

// A text from a theme file as a message quotes it: in double quotes, characters that would not
// show (controls, NUL) as a replacement mark, and a long text cut short.
QString quotedThemeText(const QString& text);

// One sentence for the player naming the file (as `path` gives it), the line and both sides:
// 'Line 3 of /x/fruit.qrw: expected ..., found "#ABW".'
QString describeThemeProblem(const QString& path, const ThemeProblem& problem);
