#include "shell/fonts/board_fonts.h"

#include "board/board_window.h"
#include "core/game_state.h"
#include "platform/design_font.h"
#include "platform/settings_schema.h"
#include "platform/settings_store.h"

namespace {

const settings::FontKeys& keysFor(FontTarget target) {
    return target == FontTarget::Grid ? settings::kGridFont : settings::kWordsFont;
}

QFont makeFont(const QString& family, double points, bool bold, bool italic) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

}  // namespace

int elementCount(FontTarget target) {
    return target == FontTarget::Grid ? grid::kCells : kMaxWords;
}

QFont elementFont(const BoardWindow& board, FontTarget target, int index) {
    return target == FontTarget::Grid ? board.model().cells[index].font
                                      : board.model().entries[index].font;
}

QFont designedCellFont() {
    return designFont(13.5);
}
QFont designedEntryFont() {
    return designFont(8);
}

void applyFontToAll(BoardWindow& board, FontTarget target, const QFont& font, FontParts parts,
                    const std::function<void(int)>& afterElement) {
    const int count = elementCount(target);
    for (int i = 1; i <= count; ++i) {
        QFont element = elementFont(board, target, i);
        element.setFamily(font.family());
        element.setPointSizeF(font.pointSizeF());
        element.setBold(font.bold());
        element.setItalic(font.italic());
        if (parts == FontParts::NameSizeStyleUnderline) element.setUnderline(font.underline());
        if (target == FontTarget::Grid) {
            board.setCellFont(i, element);
        } else {
            board.setEntryFont(i, element);
        }
        if (afterElement) afterElement(i);
    }
}

QFont storedFont(const SettingsStore& store, FontTarget target) {
    const settings::FontKeys& keys = keysFor(target);
    return makeFont(settings::read(store, keys.family), settings::read(store, keys.size),
                    settings::read(store, keys.bold), settings::read(store, keys.italic));
}

void writeFontKeys(SettingsStore& store, FontTarget target, const QFont& font) {
    const settings::FontKeys& keys = keysFor(target);
    SettingsOperation operation(store);
    settings::write(store, keys.family, font.family());
    settings::write(store, keys.size, font.pointSizeF());
    settings::write(store, keys.bold, font.bold());
    settings::write(store, keys.italic, font.italic());
}
