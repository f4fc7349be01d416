#include "records/fast_times_defaults.h"

#include <cstddef>

namespace {

// Both tables list the same holders and times; only the puzzles differ.
struct Holder {
    const char* name;
    const char* time;
};

constexpr std::array<Holder, 10> kHolders{{
    {"B.Marsh", "2:00"},
    {"C.Dunne", "2:15"},
    {"D.Vale", "2:45"},
    {"E.Frost", "3:00"},
    {"F.Hollis", "3:15"},
    {"G.Reed", "3:30"},
    {"H.Lark", "3:45"},
    {"J.Penn", "4:00"},
    {"K.Moss", "4:15"},
    {"Tarnwick", "4:30"},
}};

std::array<FastTimeRow, 10> withPuzzles(const std::array<const char*, 10>& puzzles) {
    std::array<FastTimeRow, 10> rows;
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = {kHolders[i].name, kHolders[i].time, puzzles[i]};
    return rows;
}

}  // namespace

const std::array<FastTimeRow, 10> kResetFastTimes = withPuzzles({
    "Internet",
    "Rock 'N' Roll Legends",
    "Must Be The Weather",
    "Capital Cities",
    "Breed : Dogs",
    "US States",
    "Blow Your Top ( Volcanoes )",
    "Wild Wild Life",
    "MultiMedia",
    "Cocktails",
});

const std::array<FastTimeRow, 10> kDisplayDefaultFastTimes = withPuzzles({
    "Films : Horror",
    "Films : Gangster",
    "Films : Action",
    "Capital Cities",
    "Breed : Dogs",
    "Films : Horror",
    "Musicians : Rock",
    "Musicians : Classical",
    "Films : Horror",
    "Films: Horror",
});
