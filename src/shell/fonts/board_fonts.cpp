#include "shell/fonts/board_fonts.h"

#include "board/board_window.h"
#include "platform/design_font.h"
#include "platform/settings_store.h"

namespace {

const QString kDefaultFamily = QStringLiteral("MS Sans Serif");

struct FontKeys {
    QString name, size, bold, italic;
};

FontKeys keysFor(FontTarget target) {
    if (target == FontTarget::Grid) return {"G_FNAME", "G_FSIZE", "G_FBOLD", "G_FITALIC"};
    return {"W_FNAME", "W_FSIZE", "W_FBOLD", "W_FITALIC"};
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
    return target == FontTarget::Grid ? 360 : 20;
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
    const FontKeys keys = keysFor(target);
    const QString section = settings::kSettings;
    return makeFont(
        store.read(section, keys.name, kDefaultFamily),
        settings::toFontSize(store.read(section, keys.size, QStringLiteral("14")), 14),
        settings::toBool(store.read(section, keys.bold, QStringLiteral("True")), true),
        settings::toBool(store.read(section, keys.italic, QStringLiteral("False")), false));
}

void writeFontKeys(SettingsStore& store, FontTarget target, const QFont& font) {
    const FontKeys keys = keysFor(target);
    const QString section = settings::kSettings;
    SettingsOperation operation(store);
    store.write(section, keys.name, font.family());
    store.write(section, keys.size, settings::fromNumber(font.pointSizeF()));
    store.write(section, keys.bold, settings::fromBool(font.bold()));
    store.write(section, keys.italic, settings::fromBool(font.italic()));
}
