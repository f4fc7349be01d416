#include "shell/main/window_layout.h"

namespace window_layout {
namespace {
constexpr double kClockMargin = 250;
constexpr double kShowFullLeft = 3450;
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
    out.strip.timercapLeft = in.width - in.timercapWidth - kClockMargin;
    out.strip.showFullLeft = kShowFullLeft;

    const double showFullWidth =
        in.width - in.timercapWidth - in.difCapWidth - in.speedWidth - kStripReserve;
    if (showFullWidth < 0) return out;

    out.strip.showFullWidth = showFullWidth;
    out.strip.difCapLeft = out.strip.showFullLeft + showFullWidth + kCaptionGap;
    out.strip.difCapFLeft = out.strip.difCapLeft + kShadowOffset;
    out.strip.speedLeft = out.strip.timercapLeft - kSpeedOffset;
    out.stripFitted = true;
    return out;
}

}  // namespace window_layout
