#pragma once

namespace fuzz {

// A broken property stops the fuzzer with a crash it reports and keeps the input for.
inline void check(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace fuzz
