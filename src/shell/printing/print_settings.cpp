#include "shell/printing/print_settings.h"

#include "platform/settings_store.h"

#include <QLocale>
#include <QMarginsF>

namespace printing {
namespace {
const QString kInkSavingKey = QStringLiteral("P_INKSAVE");
const QString kAnswerPageKey = QStringLiteral("P_ANSWERS");
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
    const auto flag = [&store](const QString& key) {
        return settings::toBool(store.read(settings::kSettings, key, QStringLiteral("False")),
                                false);
    };
    return {flag(kInkSavingKey), flag(kAnswerPageKey)};
}

void writeOptions(SettingsStore& store, const PrintOptions& options) {
    store.write(settings::kSettings, kInkSavingKey, settings::fromBool(options.inkSaving));
    store.write(settings::kSettings, kAnswerPageKey, settings::fromBool(options.answerPage));
}

}  // namespace printing
