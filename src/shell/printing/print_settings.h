#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QString>

class SettingsStore;

// What the next print uses. No printer name means a PDF file the player names at each print.
struct PrintSettings {
    QString printer;
    QPageSize::PageSizeId paper = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    int copies = 1;
};

// The print dialog's two paper options, kept in the settings store.
struct PrintOptions {
    bool inkSaving = false;   // white paper, black letters, grey strike lines
    bool answerPage = false;  // a second page with every word marked
};

namespace printing {

// Letter where the locale measures in inches, A4 elsewhere.
QPageSize::PageSizeId localPaper();
QPageLayout pageLayout(const PrintSettings& settings);

PrintOptions readOptions(const SettingsStore& store);
void writeOptions(SettingsStore& store, const PrintOptions& options);

}  // namespace printing
