#include "shell/fonts/font_commands.h"

#include "board/board_window.h"
#include "platform/design_font.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "platform/settings_schema.h"
#include "platform/settings_store.h"
#include "shell/fonts/font_progress.h"
#include "shell/fonts/font_progress_window.h"

#include <QCoreApplication>

FontCommands::FontCommands(Services& services, BoardWindow& board,
                           std::unique_ptr<FontProgress> progress)
    : services_(services),
      board_(board),
      progress_(progress ? std::move(progress) : std::make_unique<FontProgressWindow>(&board)) {}

FontCommands::~FontCommands() = default;

void FontCommands::chooseGridFont() {
    chooseFont(FontTarget::Grid);
}
void FontCommands::chooseWordFont() {
    chooseFont(FontTarget::Words);
}

void FontCommands::chooseFont(FontTarget target) {
    // The strikeout of a word-list entry records a found word, not a choice the player made:
    // the dialog must not offer it. On cancel the dialog hands back the font it was given, and
    // the update runs with it.
    QFont current = elementFont(board_, target, 1);
    current.setStrikeOut(false);
    const FontChoice choice = services_.dialogs.chooseFont(current);

    progress_->begin(QStringLiteral("Updating fonts"), elementCount(target));
    QCoreApplication::processEvents();  // lets the progress window paint before the loop
    applyFontToAll(board_, target, choice.font, FontParts::NameSizeStyleUnderline,
                   [this](int i) { progress_->step(i); });
    writeFontKeys(services_.settings, target, elementFont(board_, target, 1));
    progress_->end();
}

void FontCommands::resetToDefault() {
    applyFontToAll(board_, FontTarget::Grid, designFont(14), FontParts::NameSizeStyle);
    applyFontToAll(board_, FontTarget::Words, designFont(8), FontParts::NameSizeStyle);
    SettingsOperation operation(services_.settings);
    writeFontKeys(services_.settings, FontTarget::Grid, elementFont(board_, FontTarget::Grid, 1));
    writeFontKeys(services_.settings, FontTarget::Words, elementFont(board_, FontTarget::Words, 1));
    settings::write(services_.settings, settings::kSound, settings::kSound.fallback);
}
