#include "core/complete_placer.h"

#include "core/constraint_search.h"
#include "core/random_source.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <algorithm>
#include <map>
#include <vector>

using namespace generator;

namespace {

struct Spot {
    int col;  // 1..columns
    int row;  // 0..rows-1
};

// Where each letter of a word lands, worked out by walking the grid (not by index steps), so a
// placement that wraps round an edge shows up as a step the direction does not make.
std::vector<Spot> spotsOf(const Placement& p, int length, GridShape shape) {
    const Direction dir = direction(p.code);
    Spot at{(p.first - 1) % shape.columns + 1, (p.first - 1) / shape.columns};
    std::vector<Spot> spots;
    for (int j = 0; j < length; ++j) {
        spots.push_back(at);
        at = {at.col + dir.columnStep, at.row + dir.rowStep};
    }
    return spots;
}
int cellOf(Spot s, GridShape shape) {
    return s.row * shape.columns + s.col;
}
bool inside(Spot s, GridShape shape) {
    return s.col >= 1 && s.col <= shape.columns && s.row >= 0 && s.row < shape.rows;
}

// The rules of a finished placement, stated directly: the level's directions, inside the grid,
// at most one cell shared with the earlier words and only on an equal letter, never a shared
// cell or a free start in the last column. Returns "" or what is wrong.
std::string ruleBroken(const std::vector<QString>& words, Level level, GridShape shape,
                       const std::vector<Placement>& placements) {
    if (placements.size() != words.size()) return "wrong number of placements";
    std::map<int, QChar> grid;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const Placement& p = placements[i];
        const QString& word = words[i];
        if (p.code < 1 || p.code > 8 || p.code == 7 || !allowed(level, p.code))
            return "direction " + std::to_string(p.code);
        const std::vector<Spot> spots = spotsOf(p, word.size(), shape);
        std::vector<int> shared;
        for (int j = 0; j < word.size(); ++j) {
            if (!inside(spots[j], shape)) return "outside the grid";
            const int cell = cellOf(spots[j], shape);
            if (grid.count(cell)) {
                if (grid[cell] != word[j]) return "unequal letters share a cell";
                shared.push_back(cell);
            }
        }
        if (p.last != cellOf(spots.back(), shape)) return "last cell";
        if (shared.size() > 1) return "more than one shared cell";
        if (shared.empty()) {
            if (p.crossingCell != 0) return "crossing cell on a free word";
            if (spots.front().col == shape.columns) return "free start in the last column";
        } else {
            if (p.crossingCell != shared.front()) return "crossing cell not recorded";
            if ((shared.front() - 1) % shape.columns + 1 == shape.columns)
                return "crossing in the last column";
        }
        for (int j = 0; j < word.size(); ++j) grid[cellOf(spots[j], shape)] = word[j];
    }
    return "";
}

// Tries every direction and start for every word in order, keeping only placements that obey
// the rules checked above: whether any puzzle exists at all.
bool puzzleExists(const std::vector<QString>& words, Level level, GridShape shape,
                  std::vector<Placement>& sofar) {
    if (sofar.size() == words.size()) return true;
    const int length = words[sofar.size()].size();
    std::map<int, bool> earlier;
    for (std::size_t i = 0; i < sofar.size(); ++i)
        for (Spot s : spotsOf(sofar[i], words[i].size(), shape)) earlier[cellOf(s, shape)] = true;
    const std::vector<QString> head(words.begin(), words.begin() + sofar.size() + 1);
    for (int code = 1; code <= 8; ++code) {
        for (int first = 1; first <= shape.columns * shape.rows; ++first) {
            Placement p{code, first, 0, 0};
            const std::vector<Spot> spots = spotsOf(p, length, shape);
            if (!inside(spots.back(), shape)) continue;
            p.last = cellOf(spots.back(), shape);
            for (Spot s : spots)
                if (earlier.count(cellOf(s, shape))) p.crossingCell = cellOf(s, shape);
            sofar.push_back(p);
            if (ruleBroken(head, level, shape, sofar).empty() &&
                puzzleExists(words, level, shape, sofar))
                return true;
            sofar.pop_back();
        }
    }
    return false;
}

using Placer = PlacerResult (*)(const std::vector<QString>&, Level, GridShape, RandomSource&,
                                const std::function<bool()>&);

PlacerResult place(const std::vector<QString>& words, Level level, GridShape shape,
                   std::uint64_t seed, Placer placer = placeAllWords) {
    SeededRandom random(seed);
    return placer(words, level, shape, random, [] { return true; });
}

// Twenty words of 15 to 18 random letters: far too many for either search to settle quickly.
std::vector<QString> crowdedList() {
    SeededRandom random(5);
    std::vector<QString> words(20);
    for (QString& word : words) {
        for (int length = 14 + random.drawInt(4); word.size() < length;)
            word += QChar('A' + random.drawInt(26) - 1);
    }
    std::sort(words.begin(), words.end());
    return words;
}

// Lists of words over two letters: `count` words, each of `shortest` to `longest` letters.
std::vector<QString> smallList(SeededRandom& lists, int count, int shortest, int longest) {
    std::vector<QString> words(count);
    for (QString& word : words) {
        const int length = shortest + lists.drawInt(longest - shortest + 1) - 1;
        for (int j = 0; j < length; ++j) word += QChar('A' + lists.drawInt(2) - 1);
    }
    std::sort(words.begin(), words.end());
    return words;
}

// Both searches against exhaustive search; returns how many lists had a puzzle.
int agreeingWithExhaustiveSearch(const std::vector<QString>& words, Level level, GridShape shape,
                                 std::uint64_t seed) {
    SCOPED_TRACE(QStringList(words.begin(), words.end()).join(' ').toStdString() + " level " +
                 std::to_string(levelNumber(level)) + " shape " + std::to_string(shape.columns) +
                 "x" + std::to_string(shape.rows));
    std::vector<Placement> sofar;
    const bool exists = puzzleExists(words, level, shape, sofar);
    // The quick search settles these small grids itself, so the stronger one is asked too.
    for (Placer placer : {&placeAllWords, &searchMostConstrainedFirst}) {
        const PlacerResult result = place(words, level, shape, seed, placer);
        EXPECT_NE(result.verdict, PlacerVerdict::Undecided);
        EXPECT_EQ(result.verdict == PlacerVerdict::Found, exists);
        if (exists && result.verdict == PlacerVerdict::Found) {
            EXPECT_EQ(ruleBroken(words, level, shape, result.placements), "");
        }
    }
    return exists ? 1 : 0;
}

TEST(CompletePlacerTest, AgreesWithExhaustiveSearchOnSmallGrids) {
    const std::vector<GridShape> shapes{{4, 3}, {3, 4}, {5, 3}, {4, 4}};
    int found = 0;
    SeededRandom lists(77);
    const int rounds = 400;
    for (int round = 0; round < rounds; ++round) {
        const int count = lists.drawInt(3) + 1;
        const std::vector<QString> words = smallList(lists, count, 2, lists.drawInt(3) + 2);
        found += agreeingWithExhaustiveSearch(words, kLevels[round % 4], shapes[round % 4], round);
    }
    // Both answers must have been exercised for the comparison to mean anything.
    EXPECT_GT(found, 50);
    EXPECT_LT(found, rounds - 50);
}

// More long words than rows: the lists the bounds on cells left free decide.
TEST(CompletePlacerTest, AgreesWithExhaustiveSearchOnCrowdedGrids) {
    const std::vector<GridShape> shapes{{4, 3}, {3, 4}, {4, 4}};
    int found = 0;
    SeededRandom lists(78);
    const int rounds = 48;
    for (int round = 0; round < rounds; ++round) {
        const GridShape shape = shapes[round % 3];
        const std::vector<QString> words = smallList(lists, shape.rows + lists.drawInt(2), 3, 4);
        found += agreeingWithExhaustiveSearch(words, kLevels[round % 4], shape, round);
    }
    EXPECT_GT(found, 5);
    EXPECT_LT(found, rounds - 5) << found;
}

TEST(CompletePlacerTest, HardListsOnTheGameGridKeepEveryRule) {
    const std::vector<QString> fourteen{
        "ACCOMMODATIONS", "ADMINISTRATION", "CHARACTERISTIC", "CONGRATULATION", "CONSTELLATIONS",
        "DETERMINATIONS", "ENTERTAINMENTS", "ENVIRONMENTALS", "INTERPRETATION", "INVESTIGATIONS",
        "MISINTERPRETED", "OVERWHELMINGLY", "PHOTOSYNTHESIS", "PROFESSIONALLY", "RECOMMENDATION",
        "REPRESENTATIVE", "RESPONSIBILITY", "SIMULTANEOUSLY", "TRANSFORMATION", "UNDERSTANDINGS"};
    const std::vector<QString> mixed{"ALLIGATOR",   "BUTTERFLY",  "CHAMELEON",    "CHIMPANZEE",
                                     "CROCODILE",   "DRAGONFLY",  "ELEPHANT",     "FLAMINGO",
                                     "GRASSHOPPER", "HEDGEHOG",   "HIPPOPOTAMUS", "KANGAROO",
                                     "LADYBIRD",    "MOSQUITO",   "NIGHTINGALE",  "PORCUPINE",
                                     "RATTLESNAKE", "SALAMANDER", "TARANTULA",    "WOODPECKER"};
    for (std::uint64_t seed = 1; seed <= 4; ++seed) {
        for (const Level level : kLevels) {
            for (const auto* words : {&fourteen, &mixed}) {
                const PlacerResult result =
                    place(*words, level, {}, seed, &searchMostConstrainedFirst);
                ASSERT_EQ(result.verdict, PlacerVerdict::Found) << levelNumber(level);
                EXPECT_EQ(ruleBroken(*words, level, {}, result.placements), "")
                    << levelNumber(level);
            }
        }
    }
}

TEST(CompletePlacerTest, ProvesTooLongWordsImpossibleAndStopsWhenAsked) {
    EXPECT_EQ(place({"CAT", "ABCDEFGHIJKLMNOPQRSTU"}, Level::Expert, {}, 1).verdict,
              PlacerVerdict::Impossible);
    for (Placer placer : {&placeAllWords, &searchMostConstrainedFirst}) {
        SeededRandom random(3);
        int calls = 0;
        const PlacerResult result =
            placer(crowdedList(), Level::Expert, {}, random, [&calls] { return ++calls < 20; });
        EXPECT_EQ(result.verdict, PlacerVerdict::Undecided);
        EXPECT_EQ(calls, 20);
    }
}

}  // namespace
