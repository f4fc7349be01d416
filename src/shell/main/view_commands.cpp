#include "shell/main/view_commands.h"

#include "board/board_window.h"
#include "platform/settings_schema.h"
#include "shell/main/main_menu.h"

#include <QAction>

#include <array>

namespace {
struct Option {
    QAction* MainMenu::*entry;
    const settings::FlagKey& key;
};
const std::array<Option, 3> kOptions = {{
    {&MainMenu::colourFoundAction, settings::kColourFound},
    {&MainMenu::showAnswersAction, settings::kShowAnswers},
    {&MainMenu::highContrastAction, settings::kHighContrast},
}};
}  // namespace

ViewCommands::ViewCommands(SettingsStore& store, BoardWindow& board, const MainMenu& menu,
                           QObject* parent)
    : QObject(parent), store_(store), board_(board), menu_(menu) {
    for (const Option& option : kOptions) {
        connect(menu.*option.entry, &QAction::triggered, this, [this, &option](bool on) {
            settings::write(store_, option.key, on);
            board_.setLook(look());
        });
    }
}

void ViewCommands::restore() {
    for (const Option& option : kOptions) {
        (menu_.*option.entry)->setChecked(settings::read(store_, option.key));
    }
    board_.setLook(look());
}

BoardLook ViewCommands::look() const {
    return {.colourFound = menu_.colourFoundAction->isChecked(),
            .showAnswers = menu_.showAnswersAction->isChecked(),
            .highContrast = menu_.highContrastAction->isChecked()};
}
