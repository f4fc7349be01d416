#pragma once

#include "editor/editor_checks.h"

// Entries that pass every check: `count` plain words, a question for each when asked for.
inline EditorEntries validEntries(int count, bool withQuestions = false) {
    static const char* const kWords[] = {"apple",   "Banana", "CHERRY", "date",      "fig",
                                         "grape",   "lemon",  "mango",  "olive",     "pear",
                                         "quince",  "raisin", "sloe",   "tangerine", "ugli",
                                         "vanilla", "walnut", "yam",    "zest",      "kiwifruit"};
    EditorEntries entries;
    entries.title = QStringLiteral("Fruit");
    entries.questionsOn = withQuestions;
    for (int i = 1; i <= count; ++i) {
        entries.words[i] = QString::fromLatin1(kWords[i - 1]);
        if (withQuestions) entries.questions[i] = QStringLiteral("Question %1").arg(i);
    }
    return entries;
}
