#pragma once

#include "core/complete_placer.h"

namespace generator {

// How one pass of a randomised complete search ended.
enum class PassEnd { Found, Exhausted, OutOfAllowance, Stopped };

// Runs pass(allowance) afresh, in a new random order, with `growth` times the allowance each time
// it runs out, starting from `first`. Restarts keep one unlucky early choice from costing the whole
// budget, and a pass that ends within its allowance has seen every possibility. Past `last`
// (zero: never) the list is left undecided.
template <class Pass>
PlacerVerdict restartWhileOutOfAllowance(Pass pass, long first, long last = 0, int growth = 2) {
    for (long allowance = first;; allowance *= growth) {
        switch (pass(allowance)) {
            case PassEnd::Found:
                return PlacerVerdict::Found;
            case PassEnd::Exhausted:
                return PlacerVerdict::Impossible;
            case PassEnd::Stopped:
                return PlacerVerdict::Undecided;
            case PassEnd::OutOfAllowance:
                if (last != 0 && allowance >= last) return PlacerVerdict::Undecided;
                break;
        }
    }
}

}  // namespace generator
