#pragma once

#include <QString>

#include <optional>
#include <vector>

// A word that can be read inside another word of the same theme, forwards or backwards. The
// player who finds it there has not found it (only its own place counts), so a theme should
// not hold one. Indexes are into the list given; letter case does not matter.
struct NestedWord {
    std::size_t inner;
    std::size_t outer;
    bool reversed;  // inside the other word read backwards
};
std::optional<NestedWord> firstWordInsideAnother(const std::vector<QString>& words);
