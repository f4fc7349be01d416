#include "shell/main/window_layout.h"

namespace window_layout {
namespace {
constexpr double kClockMargin = 250;
constexpr double kHintLeft = 3450;
constexpr double kStripReserve = 4000;
constexpr double kCaptionGap = 150;
constexpr double kShadowOffset = 20;
constexpr double kSpeedOffset = 300;

Position centred(const Input& in, double width, double height) {
    return {(in.areaWidth - width) / 2, (in.areaHeight - height) / 2};
}
}  // namespace

Result layOut(const Input& in) {
    Result out;
    out.strip = in.previous;
    out.title = centred(in, in.titleWidth, in.titleHeight);
    out.board = centred(in, in.boardWidth, in.boardHeight);
    out.strip.clockLeft = in.width - in.clockWidth - kClockMargin;
    out.strip.hintLeft = kHintLeft;

    const double hintWidth =
        in.width - in.clockWidth - in.levelCaptionWidth - in.speedWidth - kStripReserve;
    if (hintWidth < 0) return out;

    out.strip.hintWidth = hintWidth;
    out.strip.levelCaptionLeft = out.strip.hintLeft + hintWidth + kCaptionGap;
    out.strip.levelShadowLeft = out.strip.levelCaptionLeft + kShadowOffset;
    out.strip.speedLeft = out.strip.clockLeft - kSpeedOffset;
    out.stripFitted = true;
    return out;
}

}  // namespace window_layout
