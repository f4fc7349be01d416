#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>

// How long a RIFF/WAVE file plays, from its header alone: the size of the "data" chunk divided
// by the byte rate of the "fmt " chunk, rounded up to whole milliseconds. `head` is the start of
// the file (it need not hold the samples); `fileSize` is the size of the whole file, so a
// truncated file counts only the sample bytes it really holds. Nothing when the bytes are not a
// wave header, or the header does not say how long it plays.
std::optional<std::chrono::milliseconds> waveDuration(std::string_view head,
                                                      std::uint64_t fileSize);
