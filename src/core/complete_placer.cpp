#include "core/complete_placer.h"

#include "core/constraint_search.h"
#include "core/fit_bounds.h"
#include "core/random_source.h"
#include "core/search_restarts.h"

#include <algorithm>
#include <string>
#include <utility>

namespace generator {

namespace {

// Candidate tries between two calls of keepGoing: a try with its look-ahead can cost up to a
// millisecond on a crowded grid, so this keeps the Stop button and the time budget responsive.
constexpr long kCheckEvery = 16;
// Tries allowed to the first pass of the randomised search.
constexpr long kFirstAllowance = 64;
// Past this allowance the list is left to the stronger, costlier search: the quick one finds
// most boards within a few hundred tries and rarely settles what it has not settled by then.
constexpr long kLastAllowance = 4096;
// A list whose letters need more than this share of the grid goes straight to the stronger
// search: the quick one finds boards only with room to spare, and proves nothing on a crowded
// grid but spends its allowance.
constexpr double kRoomyShare = 0.9;

struct Candidate {
    int code;
    int first;
    int crossingCell;  // 0 when the word shares no cell
};

class Search {
  public:
    Search(const std::vector<QString>& words, Level level, GridShape shape, RandomSource& random,
           const std::function<bool()>& keepGoing)
        : shape_(shape), random_(random), keepGoing_(keepGoing) {
        for (const QString& word : words) words_.push_back(word.toStdU16String());
        for (int code = 1; code <= 8; ++code) {
            if (code != 7 && allowed(level, code)) codes_.push_back(code);
        }
        const auto cells = static_cast<std::size_t>(shape.columns * shape.rows + 1);
        letters_.assign(cells, 0);
        cover_.assign(cells, 0);
        chosen_.resize(words_.size());
    }

    PlacerResult run();

  private:
    PassEnd placeFrom(std::size_t index);
    bool everyWordFitsFrom(std::size_t index) const;
    // Calls visit(candidate) for each legal placement of word `index` on the current grid
    // until visit returns true; returns whether it did.
    template <class Visit>
    bool anyCandidate(std::size_t index, Visit visit) const;
    int stepOf(int code) const {
        const Direction dir = direction(code);
        return dir.rowStep * shape_.columns + dir.columnStep;
    }
    int columnOf(int cell) const { return (cell - 1) % shape_.columns + 1; }
    void lay(std::size_t index, const Candidate& candidate, int delta);

    GridShape shape_;
    RandomSource& random_;
    const std::function<bool()>& keepGoing_;
    std::vector<std::u16string> words_;
    std::vector<int> codes_;
    std::vector<char16_t> letters_;  // 0 for a cell no word covers yet
    std::vector<int> cover_;         // how many placed words cover each cell
    std::vector<Candidate> chosen_;
    long tries_ = 0;
    long allowance_ = 0;
};

template <class Visit>
bool Search::anyCandidate(std::size_t index, Visit visit) const {
    const std::u16string& word = words_[index];
    const int span = static_cast<int>(word.size()) - 1;
    for (int code : codes_) {
        const Direction dir = direction(code);
        const int step = stepOf(code);
        for (int row = 0; row < shape_.rows; ++row) {
            const int lastRow = row + span * dir.rowStep;
            if (lastRow < 0 || lastRow >= shape_.rows) continue;
            for (int col = 1; col <= shape_.columns; ++col) {
                const int lastCol = col + span * dir.columnStep;
                if (lastCol < 1 || lastCol > shape_.columns) continue;
                const int first = row * shape_.columns + col;
                int shared = 0;
                int crossing = 0;
                for (int j = 0; j <= span && shared <= 1; ++j) {
                    const int cell = first + j * step;
                    if (letters_[cell] == 0) continue;
                    shared = letters_[cell] == word[j] ? shared + 1 : 2;
                    crossing = cell;
                }
                if (shared > 1) continue;
                // The random generator reads the last column as column 0 of the next row, so it
                // never starts a free word there and never crosses there.
                if (shared == 0 && col == shape_.columns) continue;
                if (shared == 1 && columnOf(crossing) == shape_.columns) continue;
                if (visit(Candidate{code, first, shared == 1 ? crossing : 0})) return true;
            }
        }
    }
    return false;
}

bool Search::everyWordFitsFrom(std::size_t index) const {
    for (std::size_t k = index; k < words_.size(); ++k) {
        if (!anyCandidate(k, [](const Candidate&) { return true; })) return false;
    }
    return true;
}

void Search::lay(std::size_t index, const Candidate& candidate, int delta) {
    const std::u16string& word = words_[index];
    const int step = stepOf(candidate.code);
    for (std::size_t j = 0; j < word.size(); ++j) {
        const int cell = candidate.first + static_cast<int>(j) * step;
        cover_[cell] += delta;
        letters_[cell] = cover_[cell] > 0 ? word[j] : 0;
    }
}

PassEnd Search::placeFrom(std::size_t index) {
    if (index == words_.size()) return PassEnd::Found;
    std::vector<Candidate> candidates;
    anyCandidate(index, [&candidates](const Candidate& c) {
        candidates.push_back(c);
        return false;
    });
    // Crossing placements first, since each saves a cell for the words still to come; within
    // each group in random order, drawn as the candidates are tried since the first often works.
    const auto crossingEnd = std::partition(candidates.begin(), candidates.end(),
                                            [](const Candidate& c) { return c.crossingCell != 0; });
    const auto crossing = static_cast<std::size_t>(crossingEnd - candidates.begin());
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const std::size_t end = i < crossing ? crossing : candidates.size();
        const auto pick = static_cast<std::size_t>(random_.draw() * static_cast<double>(end - i));
        std::swap(candidates[i], candidates[std::min(i + pick, end - 1)]);
        const Candidate& candidate = candidates[i];
        if (++tries_ % kCheckEvery == 0 && !keepGoing_()) return PassEnd::Stopped;
        if (tries_ > allowance_) return PassEnd::OutOfAllowance;
        lay(index, candidate, +1);
        if (everyWordFitsFrom(index + 1)) {
            const PassEnd outcome = placeFrom(index + 1);
            if (outcome == PassEnd::Found) {
                chosen_[index] = candidate;
                return outcome;
            }
            if (outcome != PassEnd::Exhausted) {
                lay(index, candidate, -1);
                return outcome;
            }
        }
        lay(index, candidate, -1);
    }
    return PassEnd::Exhausted;
}

PlacerResult Search::run() {
    for (const std::u16string& word : words_) {
        if (word.empty()) return {PlacerVerdict::Impossible, {}};
    }
    if (!everyWordFitsFrom(0)) return {PlacerVerdict::Impossible, {}};
    const PlacerVerdict verdict = restartWhileOutOfAllowance(
        [this](long allowance) {
            allowance_ = allowance;
            tries_ = 0;
            return placeFrom(0);
        },
        kFirstAllowance, kLastAllowance);
    if (verdict != PlacerVerdict::Found) return {verdict, {}};
    PlacerResult result{PlacerVerdict::Found, {}};
    for (std::size_t i = 0; i < words_.size(); ++i) {
        const Candidate& c = chosen_[i];
        const int span = static_cast<int>(words_[i].size()) - 1;
        result.placements.push_back(
            Placement{c.code, c.first, c.first + span * stepOf(c.code), c.crossingCell});
    }
    return result;
}

}  // namespace

PlacerResult placeAllWords(const std::vector<QString>& words, Level level, GridShape shape,
                           RandomSource& random, const std::function<bool()>& keepGoing) {
    if (!mayAllFit(words, level, shape)) return {PlacerVerdict::Impossible, {}};
    if (fewestCellsCovered(words) > kRoomyShare * shape.columns * shape.rows)
        return searchMostConstrainedFirst(words, level, shape, random, keepGoing);
    bool stopped = false;
    const std::function<bool()> watched = [&] { return !(stopped = !keepGoing()); };
    const PlacerResult quick = Search(words, level, shape, random, watched).run();
    if (quick.verdict != PlacerVerdict::Undecided || stopped) return quick;
    return searchMostConstrainedFirst(words, level, shape, random, keepGoing);
}

}  // namespace generator
