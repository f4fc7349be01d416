#include "shell/main/view_commands.h"

#include "board/board_window.h"
#include "platform/settings_store.h"
#include "shell/main/main_menu.h"

#include <QAction>

#include <array>

namespace {
struct Option {
    QAction* MainMenu::*entry;
    const char* key;
};
const std::array<Option, 3> kOptions = {{
    {&MainMenu::colourFoundx, "COLOUR_FOUND"},
    {&MainMenu::showAnswersx, "SHOW_ANSWERS"},
    {&MainMenu::highContrastx, "HIGH_CONTRAST"},
}};
}  // namespace

ViewCommands::ViewCommands(SettingsStore& store, BoardWindow& board, const MainMenu& menu,
                           QObject* parent)
    : QObject(parent), store_(store), board_(board), menu_(menu) {
    for (const Option& option : kOptions) {
        connect(menu.*option.entry, &QAction::triggered, this, [this, option](bool on) {
            store_.write(settings::kSettings, QString::fromLatin1(option.key),
                         settings::fromBool(on));
            board_.setLook(look());
        });
    }
}

void ViewCommands::restore() {
    for (const Option& option : kOptions) {
        const QString stored =
            store_.read(settings::kSettings, QString::fromLatin1(option.key), QString());
        (menu_.*option.entry)->setChecked(settings::toBool(stored, false));
    }
    board_.setLook(look());
}

BoardLook ViewCommands::look() const {
    return {.colourFound = menu_.colourFoundx->isChecked(),
            .showAnswers = menu_.showAnswersx->isChecked(),
            .highContrast = menu_.highContrastx->isChecked()};
}
