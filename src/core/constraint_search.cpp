#include "core/constraint_search.h"

#include "core/placement_geometry.h"
#include "core/random_source.h"
#include "core/search_restarts.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <utility>

namespace generator {

namespace {

using WordMask = std::uint64_t;  // one bit per word
constexpr std::size_t kMostWords = 64;

// Candidates laid between two calls of keepGoing: a lay with its look-ahead costs up to about a
// tenth of a millisecond on a crowded grid.
constexpr long kCheckEvery = 8;
// Lays allowed to the first pass of the randomised search.
constexpr long kFirstAllowance = 64;
// How much larger each pass's allowance is than the last: passes that run out are wasted work
// when the list has no board, so they grow fast.
constexpr int kGrowth = 4;

// Whether a word runs along a row in some of its candidates and along other lines in others.
bool mixedKinds(unsigned kinds) {
    const unsigned row = 1u << PlacementGeometry::kRow;
    return (kinds & row) && kinds != row;
}

WordMask bit(std::size_t word) {
    return WordMask{1} << word;
}

// std::popcount, without the library call it becomes on a baseline x86-64 build: counting
// candidates is the search's most frequent step.
int ones(std::uint64_t x) {
    x -= (x >> 1) & 0x5555555555555555u;
    x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
    x = (x + (x >> 4)) & 0x0f0f0f0f0f0f0f0fu;
    return static_cast<int>((x * 0x0101010101010101u) >> 56);
}

template <class Visit>
void forEachBit(WordMask mask, Visit visit) {
    for (; mask != 0; mask &= mask - 1) visit(static_cast<std::size_t>(std::countr_zero(mask)));
}

// Words are placed most constrained first, not in their list order, so the rule that a word
// shares at most one cell with the words before it in the list is checked against whichever of
// them are already placed, in both directions. Each word keeps the set of candidates that still
// fit the placed words (forward checking) and the placed words that removed the others; a dead
// end reports those words, and the search jumps straight back to the latest of them.
class Search {
  public:
    Search(const std::vector<QString>& words, Level level, GridShape shape, RandomSource& random,
           const std::function<bool()>& keepGoing);

    PlacerResult run();

  private:
    struct Step {
        PassEnd outcome;
        WordMask conflict;  // the placed words that together leave no way on
    };
    struct Word {
        std::u16string letters;
        int length;
        WordMask before;  // the words before it in the list
        WordMask after;
        bool needsOwnLine;  // too long to share a line with another such word
    };

    Step placeNext(std::size_t depth);
    Step splitByKind(std::size_t word, std::size_t depth);
    std::size_t mostConstrained() const;
    std::vector<int> orderedCandidates(std::size_t word);
    bool fits(std::size_t word, int candidate, WordMask& blame) const;
    void recheckThrough(std::size_t word, int cell, unsigned live, WordMask& blame);
    void recheckLastColumnStarts(std::size_t word, WordMask& blame);
    bool propagate(std::size_t placed, WordMask raised, WordMask& conflict);
    int coverLowerBound() const;
    bool forceAlongRows(WordMask& blame);
    unsigned kindsOf(std::size_t word) const;
    void noteKinds();
    bool mayMeet(std::size_t word, WordMask others) const;
    bool maySharePlaced(std::size_t word) const;
    static int freeOffAxis(int lines, int across, int words, int along);
    bool linesSuffice(WordMask& blame) const;
    bool matchLine(std::size_t word, std::vector<int>& owner, std::vector<char>& seen,
                   const std::vector<std::vector<int>>& lines) const;
    WordMask lay(std::size_t word, int candidate);
    void lift(std::size_t word, int candidate, WordMask raised);
    void save(std::size_t depth);
    void restore(std::size_t depth);

    // Candidate sets, one row of `setWords_` 64-bit words per word.
    bool has(std::size_t word, int candidate) const {
        return (domains_[word * setWords_ + candidate / 64] >> (candidate % 64)) & 1;
    }
    void drop(std::size_t word, int candidate) {
        domains_[word * setWords_ + candidate / 64] &= ~(std::uint64_t{1} << (candidate % 64));
    }
    int count(std::size_t word) const;
    bool anyInSlot(std::size_t word, int slot) const;
    template <class Visit>
    void forEachCandidate(std::size_t word, Visit visit) const;

    PlacementGeometry geometry_;
    RandomSource& random_;
    const std::function<bool()>& keepGoing_;
    std::vector<Word> words_;
    std::size_t setWords_;
    std::vector<std::uint64_t> domains_;
    // Per line kind, the candidates that run along lines of that kind.
    std::array<std::vector<std::uint64_t>, PlacementGeometry::kLineKinds> kindBits_;
    std::vector<short> lineOf_;       // per candidate, its line
    std::vector<WordMask> removers_;  // per word: the placed words that removed candidates
    std::vector<std::vector<std::uint64_t>> savedDomains_;  // per depth
    std::vector<std::vector<WordMask>> savedRemovers_;

    std::vector<char16_t> letters_;  // per cell, 0 while no word covers it
    std::vector<WordMask> cover_;    // per cell, the placed words covering it
    int covered_ = 0;
    std::vector<int> chosen_;    // per placed word, its candidate
    std::vector<int> crossing_;  // per placed word, the cell it shares with earlier words, or 0
    WordMask allWords_ = 0;
    WordMask unplaced_ = 0;
    bool tooMany_ = false;
    bool rowsTight_ = false;       // whether the row bound rules out some number of row words
    std::vector<unsigned> kinds_;  // per word, kindsOf as last noted
    long lays_ = 0;
    long allowance_ = 0;
};

Search::Search(const std::vector<QString>& words, Level level, GridShape shape,
               RandomSource& random, const std::function<bool()>& keepGoing)
    : geometry_(level, shape),
      random_(random),
      keepGoing_(keepGoing),
      setWords_(static_cast<std::size_t>(geometry_.candidates() + 63) / 64) {
    tooMany_ = words.size() > kMostWords;
    if (tooMany_) return;
    const std::size_t n = words.size();
    allWords_ = n == kMostWords ? ~WordMask{0} : bit(n) - 1;
    for (std::size_t i = 0; i < n; ++i) {
        const int length = static_cast<int>(words[i].size());
        const WordMask before = bit(i) - 1;
        words_.push_back({words[i].toStdU16String(), length, before, allWords_ & ~before & ~bit(i),
                          2 * length - 1 > geometry_.longestLine()});
    }
    unplaced_ = allWords_;
    letters_.assign(static_cast<std::size_t>(geometry_.cells() + 1), 0);
    cover_.assign(letters_.size(), 0);
    chosen_.assign(n, -1);
    crossing_.assign(n, 0);
    removers_.assign(n, 0);
    domains_.assign(n * setWords_, 0);
    for (std::size_t i = 0; i < n; ++i) {
        for (int slot = 0; slot < geometry_.directions(); ++slot) {
            for (int first = 1; first <= geometry_.cells(); ++first) {
                const int candidate = geometry_.from(slot, first, words_[i].length);
                WordMask blame = 0;
                if (candidate >= 0 && fits(i, candidate, blame))
                    domains_[i * setWords_ + candidate / 64] |= std::uint64_t{1}
                                                                << (candidate % 64);
            }
        }
    }
    savedDomains_.resize(2 * n);
    savedRemovers_.resize(2 * n);
    for (auto& bits : kindBits_) bits.assign(setWords_, 0);
    lineOf_.resize(static_cast<std::size_t>(geometry_.candidates()));
    for (int candidate = 0; candidate < geometry_.candidates(); ++candidate) {
        lineOf_[candidate] = static_cast<short>(geometry_.line(candidate));
        kindBits_[geometry_.lineKind(candidate)][candidate / 64] |= std::uint64_t{1}
                                                                    << (candidate % 64);
    }
}

int Search::count(std::size_t word) const {
    int total = 0;
    for (std::size_t k = 0; k < setWords_; ++k) total += ones(domains_[word * setWords_ + k]);
    return total;
}

// Whether the word has any candidate left in one direction.
bool Search::anyInSlot(std::size_t word, int slot) const {
    const int first = geometry_.candidate(slot, 1);
    const int last = first + geometry_.cells() - 1;
    const std::uint64_t* set = &domains_[word * setWords_];
    std::uint64_t any = (set[first / 64] >> (first % 64)) | (set[last / 64] << (63 - last % 64));
    for (int k = first / 64 + 1; k < last / 64; ++k) any |= set[k];
    return any != 0;
}

template <class Visit>
void Search::forEachCandidate(std::size_t word, Visit visit) const {
    for (std::size_t k = 0; k < setWords_; ++k) {
        for (std::uint64_t bits = domains_[word * setWords_ + k]; bits != 0; bits &= bits - 1)
            visit(static_cast<int>(k * 64) + std::countr_zero(bits));
    }
}

// The rules of the random generator, against the placed words: equal letters wherever cells are
// shared; this word shares at most one cell with placed earlier words and each placed later word
// keeps to one shared cell with its earlier words; no shared cell in the last column; a word
// sharing nothing does not start there, unless an earlier word still to be placed may yet cross
// it. On failure, `blame` gains the placed words the verdict rests on.
bool Search::fits(std::size_t word, int candidate, WordMask& blame) const {
    const Word& w = words_[word];
    if (geometry_.withinLastColumn(candidate, w.length)) return false;
    const int first = geometry_.first(candidate);
    const int step = geometry_.step(candidate);
    const int lastColumn = geometry_.columns();
    WordMask seen = 0;
    WordMask laterMet = 0;
    int crossing = 0;
    for (int j = 0; j < w.length; ++j) {
        const int cell = first + j * step;
        const WordMask here = cover_[cell];
        if (here == 0) continue;
        seen |= here;
        if (letters_[cell] != w.letters[j]) {
            blame |= seen;
            return false;
        }
        if (here & w.before) {
            if ((crossing != 0 && crossing != cell) || geometry_.column(cell) == lastColumn) {
                blame |= seen;
                return false;
            }
            crossing = cell;
        }
        const WordMask later = here & w.after;
        if (later == 0) continue;
        bool broken = (later & laterMet) != 0 || geometry_.column(cell) == lastColumn;
        forEachBit(later, [&](std::size_t v) {
            if (crossing_[v] != 0 && crossing_[v] != cell) {
                broken = true;
                seen |= cover_[crossing_[v]];
            }
        });
        if (broken) {
            blame |= seen;
            return false;
        }
        laterMet |= later;
    }
    if (crossing == 0 && geometry_.column(first) == lastColumn && !(unplaced_ & w.before)) {
        blame |= seen | (w.before & ~unplaced_);
        return false;
    }
    return true;
}

// `live` holds the directions the word may still have candidates in.
void Search::recheckThrough(std::size_t word, int cell, unsigned live, WordMask& blame) {
    const Word& w = words_[word];
    const char16_t here = letters_[cell];
    const PlacementGeometry::Spot at = geometry_.spot(cell);
    for (int slot = 0; slot < geometry_.directions(); ++slot) {
        if (!(live >> slot & 1)) continue;
        const auto [lo, hi] = geometry_.letterRange(slot, at, w.length);
        for (int j = lo; j <= hi; ++j) {
            const int candidate = geometry_.startingAt(slot, at, j);
            if (!has(word, candidate)) continue;
            if (w.letters[j] != here) {
                blame |= cover_[cell];
            } else if (fits(word, candidate, blame)) {
                continue;
            }
            drop(word, candidate);
        }
    }
}

void Search::recheckLastColumnStarts(std::size_t word, WordMask& blame) {
    const int lastColumn = geometry_.columns();
    for (int slot = 0; slot < geometry_.directions(); ++slot) {
        for (int first = lastColumn; first <= geometry_.cells(); first += lastColumn) {
            const int candidate = geometry_.candidate(slot, first);
            if (has(word, candidate) && !fits(word, candidate, blame)) drop(word, candidate);
        }
    }
}

// After `placed` is laid: removes the candidates of the other words that no longer fit; false,
// with the words to blame, when a word is left without one or the bounds rule the rest out.
// `raised` holds the later words that this placement gave their shared cell.
bool Search::propagate(std::size_t placed, WordMask raised, WordMask& conflict) {
    const Word& p = words_[placed];
    const int first = geometry_.first(chosen_[placed]);
    const int step = geometry_.step(chosen_[placed]);
    const WordMask everyPlaced = allWords_ & ~unplaced_;
    bool alive = true;
    forEachBit(unplaced_, [&](std::size_t word) {
        if (!alive) return;
        WordMask& blame = removers_[word];
        unsigned live = 0;
        for (int slot = 0; slot < geometry_.directions(); ++slot)
            live |= anyInSlot(word, slot) ? 1u << slot : 0;
        for (int j = 0; j < p.length; ++j) recheckThrough(word, first + j * step, live, blame);
        forEachBit(raised & words_[word].after, [&](std::size_t later) {
            const int start = geometry_.first(chosen_[later]);
            const int by = geometry_.step(chosen_[later]);
            for (int j = 0; j < words_[later].length; ++j) {
                if (start + j * by != crossing_[later])
                    recheckThrough(word, start + j * by, live, blame);
            }
        });
        if (!(unplaced_ & words_[word].before)) recheckLastColumnStarts(word, blame);
        if (count(word) == 0) {
            conflict = blame | bit(placed);
            alive = false;
        }
    });
    if (!alive) return false;
    // A placed word starting in the last column without a shared cell waits for an earlier word
    // to cross it; once all of those are placed it never will.
    bool waiting = true;
    forEachBit(everyPlaced, [&](std::size_t word) {
        if (crossing_[word] == 0 && !(unplaced_ & words_[word].before) &&
            geometry_.column(geometry_.first(chosen_[word])) == geometry_.columns())
            waiting = false;
    });
    conflict = everyPlaced;
    if (!waiting || !forceAlongRows(conflict)) return false;
    conflict = bit(placed);
    return linesSuffice(conflict);
}

// The kinds of line a word runs along, or may still run along, as bits.
unsigned Search::kindsOf(std::size_t word) const {
    if (!(unplaced_ & bit(word))) return 1u << geometry_.lineKind(chosen_[word]);
    unsigned kinds = 0;
    for (int kind = 0; kind < PlacementGeometry::kLineKinds; ++kind) {
        for (std::size_t k = 0; k < setWords_; ++k) {
            if (domains_[word * setWords_ + k] & kindBits_[kind][k]) {
                kinds |= 1u << kind;
                break;
            }
        }
    }
    return kinds;
}

// Notes the kinds of every word for the bounds and the choice of the next split.
void Search::noteKinds() {
    kinds_.resize(words_.size());
    for (std::size_t word = 0; word < words_.size(); ++word) kinds_[word] = kindsOf(word);
}

// Whether `word` may yet share a cell with one of `others`: they must run along lines of
// different kinds, or both fit one line.
bool Search::mayMeet(std::size_t word, WordMask others) const {
    const unsigned kinds = kinds_[word];
    bool meet = false;
    forEachBit(others, [&](std::size_t other) {
        meet = meet || std::popcount(kinds | kinds_[other]) > 1 ||
               words_[word].length + words_[other].length - 1 <= geometry_.longestLine();
    });
    return meet;
}

// Whether an unplaced word still has a candidate sharing a cell with a placed earlier word.
bool Search::maySharePlaced(std::size_t word) const {
    const Word& w = words_[word];
    if (!(w.before & ~unplaced_)) return false;
    bool shares = false;
    for (std::size_t k = 0; k < setWords_ && !shares; ++k) {
        for (std::uint64_t bits = domains_[word * setWords_ + k]; bits != 0 && !shares;
             bits &= bits - 1) {
            const int candidate = static_cast<int>(k * 64) + std::countr_zero(bits);
            const int first = geometry_.first(candidate);
            const int step = geometry_.step(candidate);
            for (int j = 0; j < w.length && !shares; ++j)
                shares = (cover_[first + j * step] & w.before) != 0;
        }
    }
    return shares;
}

// The fewest cells the words can cover: what is covered now, and every letter still to come
// except one for each word that may yet share a cell with an earlier word.
int Search::coverLowerBound() const {
    int needed = covered_;
    for (std::size_t word = 0; word < words_.size(); ++word) {
        const Word& w = words_[word];
        if (unplaced_ & bit(word)) {
            needed +=
                w.length - (mayMeet(word, unplaced_ & w.before) || maySharePlaced(word) ? 1 : 0);
        } else if (crossing_[word] == 0 && mayMeet(word, unplaced_ & w.before)) {
            --needed;
        }
    }
    return needed;
}

// Cells off every line of one axis (rows, say) that `along` of `words` words run along: at least
// lines - along lines hold none of them, and each other word covers at most one cell of such a
// line, which has `across` cells.
int Search::freeOffAxis(int lines, int across, int words, int along) {
    return std::max(0, lines - along) * std::max(0, across - (words - along));
}

// The grid must hold the fewest cells the words can cover, beside the cells certain to stay free
// because too few words run along rows (or columns). When only the largest possible number of
// words along rows leaves room, every word that may run along a row must: its other candidates
// go.
bool Search::forceAlongRows(WordMask& blame) {
    const int n = static_cast<int>(words_.size());
    const int columns = geometry_.columns();
    const int rows = geometry_.cells() / columns;
    int rowMust = 0, rowMay = 0, colMust = 0, colMay = 0;
    WordMask mixed = 0;
    noteKinds();
    for (std::size_t word = 0; word < words_.size(); ++word) {
        const unsigned kinds = kinds_[word];
        rowMay += (kinds >> PlacementGeometry::kRow) & 1;
        rowMust += kinds == 1u << PlacementGeometry::kRow;
        colMay += (kinds >> PlacementGeometry::kColumn) & 1;
        colMust += kinds == 1u << PlacementGeometry::kColumn;
        if (mixedKinds(kinds)) mixed |= bit(word);
    }
    int byColumns = geometry_.cells();
    for (int along = colMust; along <= colMay; ++along)
        byColumns = std::min(byColumns, freeOffAxis(columns, rows, n, along));
    const int room = geometry_.cells() - coverLowerBound();
    const auto fits = [&](int along) {
        return std::max(byColumns, freeOffAxis(rows, columns, n, along)) <= room;
    };
    rowsTight_ = false;
    for (int along = rowMust; along <= rowMay; ++along) rowsTight_ = rowsTight_ || !fits(along);
    for (int along = rowMust; along < rowMay; ++along) {
        if (fits(along)) return true;
    }
    if (!fits(rowMay)) return false;
    forEachBit(mixed, [&](std::size_t word) {
        for (std::size_t k = 0; k < setWords_; ++k)
            domains_[word * setWords_ + k] &= kindBits_[PlacementGeometry::kRow][k];
        removers_[word] |= blame;
        kinds_[word] = 1u << PlacementGeometry::kRow;
    });
    return true;
}

// Words too long to share a line each need a line of their own among those they still fit. On
// failure, `blame` gains the placed words that removed lines from the words left unmatched.
bool Search::linesSuffice(WordMask& blame) const {
    std::vector<std::vector<int>> lines(words_.size());
    std::vector<char> onLine(static_cast<std::size_t>(geometry_.lines()));
    std::size_t longWords = 0;
    forEachBit(unplaced_, [&](std::size_t word) {
        if (!words_[word].needsOwnLine) return;
        ++longWords;
        std::fill(onLine.begin(), onLine.end(), 0);
        forEachCandidate(word, [&](int candidate) {
            const int line = lineOf_[candidate];
            if (!onLine[line]) lines[word].push_back(line);
            onLine[line] = 1;
        });
    });
    if (longWords < 2) return true;
    std::vector<int> owner(onLine.size(), -1);
    bool matched = true;
    forEachBit(unplaced_, [&](std::size_t word) {
        if (!matched || !words_[word].needsOwnLine) return;
        std::vector<char> seen(onLine.size(), 0);
        matched = matchLine(word, owner, seen, lines);
        if (matched) return;
        // The unmatched word and those holding the lines it reached have too few lines between
        // them: whatever took lines from them is to blame.
        blame |= removers_[word];
        for (std::size_t line = 0; line < seen.size(); ++line) {
            if (seen[line] && owner[line] >= 0) blame |= removers_[owner[line]];
        }
    });
    return matched;
}

bool Search::matchLine(std::size_t word, std::vector<int>& owner, std::vector<char>& seen,
                       const std::vector<std::vector<int>>& lines) const {
    for (int line : lines[word]) {
        if (seen[line]) continue;
        seen[line] = 1;
        if (owner[line] < 0 ||
            matchLine(static_cast<std::size_t>(owner[line]), owner, seen, lines)) {
            owner[line] = static_cast<int>(word);
            return true;
        }
    }
    return false;
}

// Returns the later placed words that this one gave their shared cell.
WordMask Search::lay(std::size_t word, int candidate) {
    const Word& w = words_[word];
    const int first = geometry_.first(candidate);
    const int step = geometry_.step(candidate);
    WordMask raised = 0;
    for (int j = 0; j < w.length; ++j) {
        const int cell = first + j * step;
        const WordMask here = cover_[cell];
        if (here & w.before) crossing_[word] = cell;
        forEachBit(here & w.after, [&](std::size_t later) {
            if (crossing_[later] == 0) {
                crossing_[later] = cell;
                raised |= bit(later);
            }
        });
        if (here == 0) ++covered_;
        cover_[cell] = here | bit(word);
        letters_[cell] = w.letters[j];
    }
    chosen_[word] = candidate;
    unplaced_ &= ~bit(word);
    return raised;
}

void Search::lift(std::size_t word, int candidate, WordMask raised) {
    const Word& w = words_[word];
    const int first = geometry_.first(candidate);
    const int step = geometry_.step(candidate);
    for (int j = 0; j < w.length; ++j) {
        const int cell = first + j * step;
        cover_[cell] &= ~bit(word);
        if (cover_[cell] == 0) {
            --covered_;
            letters_[cell] = 0;
        }
    }
    forEachBit(raised, [&](std::size_t later) { crossing_[later] = 0; });
    crossing_[word] = 0;
    chosen_[word] = -1;
    unplaced_ |= bit(word);
}

void Search::save(std::size_t depth) {
    savedDomains_[depth] = domains_;
    savedRemovers_[depth] = removers_;
}

void Search::restore(std::size_t depth) {
    domains_.swap(savedDomains_[depth]);
    removers_.swap(savedRemovers_[depth]);
}

// Fewest candidates left; ties broken at random so that restarts try other orders.
std::size_t Search::mostConstrained() const {
    std::size_t best = 0;
    int fewest = -1;
    int ties = 0;
    forEachBit(unplaced_, [&](std::size_t word) {
        const int n = count(word);
        if (fewest < 0 || n < fewest) {
            best = word;
            fewest = n;
            ties = 1;
        } else if (n == fewest && random_.draw() * ++ties < 1.0) {
            best = word;
        }
    });
    return best;
}

// Candidates that share a cell come first, since each saves a cell for the words still to
// come; otherwise in random order.
std::vector<int> Search::orderedCandidates(std::size_t word) {
    std::vector<int> sharing;
    std::vector<int> free;
    const Word& w = words_[word];
    forEachCandidate(word, [&](int candidate) {
        const int first = geometry_.first(candidate);
        const int step = geometry_.step(candidate);
        bool shares = false;
        for (int j = 0; j < w.length && !shares; ++j) shares = cover_[first + j * step] != 0;
        (shares ? sharing : free).push_back(candidate);
    });
    for (std::vector<int>* group : {&sharing, &free}) {
        for (std::size_t i = group->size(); i > 1; --i) {
            const auto j = std::min(i - 1, static_cast<std::size_t>(random_.draw() * i));
            std::swap((*group)[i - 1], (*group)[j]);
        }
    }
    sharing.insert(sharing.end(), free.begin(), free.end());
    return sharing;
}

// Decides whether a word runs along a row before deciding where: while the row bound is tight,
// this settles the few words off the rows first instead of trying row after row for the many
// on them. The dead end of both halves is the dead end here.
Search::Step Search::splitByKind(std::size_t word, std::size_t depth) {
    WordMask conflict = 0;
    const auto& rows = kindBits_[PlacementGeometry::kRow];
    for (bool alongRows : {false, true}) {
        save(depth);
        for (std::size_t k = 0; k < setWords_; ++k)
            domains_[word * setWords_ + k] &= alongRows ? rows[k] : ~rows[k];
        WordMask why = allWords_ & ~unplaced_;
        if (forceAlongRows(why) && linesSuffice(why)) {
            const Step next = placeNext(depth + 1);
            if (next.outcome == PassEnd::Found) return next;
            if (next.outcome != PassEnd::Exhausted) {
                restore(depth);
                return next;
            }
            why = next.conflict;
        }
        restore(depth);
        conflict |= why;
    }
    return {PassEnd::Exhausted, conflict};
}

Search::Step Search::placeNext(std::size_t depth) {
    if (unplaced_ == 0) return {PassEnd::Found, 0};
    if (rowsTight_) {
        std::size_t best = words_.size();
        int fewest = 0;
        forEachBit(unplaced_, [&](std::size_t word) {
            if (!mixedKinds(kinds_[word])) return;
            const int n = count(word);
            if (best == words_.size() || n < fewest) {
                best = word;
                fewest = n;
            }
        });
        if (best < words_.size()) return splitByKind(best, depth);
    }
    const std::size_t word = mostConstrained();
    WordMask conflict = removers_[word];
    for (int candidate : orderedCandidates(word)) {
        if (++lays_ % kCheckEvery == 0 && !keepGoing_()) return {PassEnd::Stopped, 0};
        if (lays_ > allowance_) return {PassEnd::OutOfAllowance, 0};
        save(depth);
        const WordMask raised = lay(word, candidate);
        WordMask why = 0;
        if (propagate(word, raised, why)) {
            const Step next = placeNext(depth + 1);
            if (next.outcome == PassEnd::Found) return next;
            why = next.conflict;
            if (next.outcome != PassEnd::Exhausted) {
                lift(word, candidate, raised);
                restore(depth);
                return next;
            }
        }
        lift(word, candidate, raised);
        restore(depth);
        // This word's choice played no part in the dead end: no other choice can help.
        if (!(why & bit(word))) return {PassEnd::Exhausted, why};
        conflict |= why & ~bit(word);
    }
    return {PassEnd::Exhausted, conflict};
}

PlacerResult Search::run() {
    if (tooMany_) return {PlacerVerdict::Undecided, {}};
    for (std::size_t word = 0; word < words_.size(); ++word) {
        if (words_[word].length == 0 || count(word) == 0) return {PlacerVerdict::Impossible, {}};
    }
    WordMask ignored = 0;
    if (!forceAlongRows(ignored) || !linesSuffice(ignored)) return {PlacerVerdict::Impossible, {}};
    const std::vector<std::uint64_t> start = domains_;
    const PlacerVerdict verdict = restartWhileOutOfAllowance(
        [&](long allowance) {
            allowance_ = allowance;
            lays_ = 0;
            domains_ = start;
            std::fill(removers_.begin(), removers_.end(), 0);
            forceAlongRows(ignored);  // notes the kinds of line afresh
            return placeNext(0).outcome;
        },
        kFirstAllowance, 0, kGrowth);
    if (verdict != PlacerVerdict::Found) return {verdict, {}};
    PlacerResult result{PlacerVerdict::Found, {}};
    for (std::size_t i = 0; i < words_.size(); ++i) {
        const int c = chosen_[i];
        const int last = geometry_.first(c) + (words_[i].length - 1) * geometry_.step(c);
        result.placements.push_back(
            Placement{geometry_.code(c), geometry_.first(c), last, crossing_[i]});
    }
    return result;
}

}  // namespace

PlacerResult searchMostConstrainedFirst(const std::vector<QString>& words, Level level,
                                        GridShape shape, RandomSource& random,
                                        const std::function<bool()>& keepGoing) {
    return Search(words, level, shape, random, keepGoing).run();
}

}  // namespace generator
