#include "core/nested_words.h"

#include <algorithm>

std::optional<NestedWord> firstWordInsideAnother(const std::vector<QString>& words) {
    for (std::size_t outer = 0; outer < words.size(); ++outer) {
        QString backwards = words[outer];
        std::reverse(backwards.begin(), backwards.end());
        for (std::size_t inner = 0; inner < words.size(); ++inner) {
            const QString& word = words[inner];
            if (inner == outer || word.isEmpty()) continue;
            if (words[outer].contains(word, Qt::CaseInsensitive))
                return NestedWord{inner, outer, false};
            if (backwards.contains(word, Qt::CaseInsensitive))
                return NestedWord{inner, outer, true};
        }
    }
    return std::nullopt;
}
