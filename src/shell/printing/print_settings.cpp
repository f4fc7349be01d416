#include "shell/printing/print_settings.h"

#include "platform/settings_schema.h"

#include <QLocale>
#include <QMarginsF>

namespace printing {
namespace {
constexpr double kMarginMm = 10;  // inside what any printer can reach
}  // namespace

QPageSize::PageSizeId localPaper() {
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                              : QPageSize::A4;
}

QPageLayout pageLayout(const PrintSettings& settings) {
    return QPageLayout(QPageSize(settings.paper), settings.orientation,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                       QPageLayout::Millimeter);
}

PrintOptions readOptions(const SettingsStore& store) {
    return {settings::read(store, settings::kInkSaving),
            settings::read(store, settings::kAnswerPage)};
}

void writeOptions(SettingsStore& store, const PrintOptions& options) {
    settings::write(store, settings::kInkSaving, options.inkSaving);
    settings::write(store, settings::kAnswerPage, options.answerPage);
}

}  // namespace printing
