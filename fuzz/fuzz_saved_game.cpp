// Feeds arbitrary bytes to the saved-game loader. Whatever it accepts is a game in play that
// saves to a text it reads back as the same game.
#include "core/saved_game.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto game = parseSavedGame(QByteArrayView(data, static_cast<qsizetype>(size)));
    if (!game) return 0;
    fuzz::check(game->phase() == GamePhase::Playing && !game->complete());
    const QByteArray text = savedGameText(*game);
    const auto again = parseSavedGame(text);
    fuzz::check(again.has_value() && savedGameText(*again) == text);
    return 0;
}
