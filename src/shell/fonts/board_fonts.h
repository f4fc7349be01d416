#pragma once

#include <QFont>
#include <QString>

#include <functional>

class BoardWindow;
class SettingsStore;

// The two font arrays of the board: the 360 grid cells and the 20 word-list entries. Every
// element of an array carries the same font; element 1 stands for the whole array.
enum class FontTarget { Grid, Words };

int elementCount(FontTarget target);  // 360 or 20
QFont elementFont(const BoardWindow& board, FontTarget target, int index);

// The fonts the board is designed with, which the first run stores.
QFont designedCellFont();   // MS Sans Serif 13.5 pt regular
QFont designedEntryFont();  // MS Sans Serif 8 pt regular

// What parts of a font are handed to the elements. Each element keeps everything else it
// carries - notably the strikethrough that records a found word.
enum class FontParts { NameSizeStyle, NameSizeStyleUnderline };

// Gives every element of the array the font's parts; `afterElement(i)` runs after element i.
void applyFontToAll(BoardWindow& board, FontTarget target, const QFont& font, FontParts parts,
                    const std::function<void(int)>& afterElement = {});

// The stored font of the array: name, size, bold and italic, each with its default
// (MS Sans Serif, 14, bold, not italic) when the key is missing, unreadable or out of range.
QFont storedFont(const SettingsStore& store, FontTarget target);
// Writes the array's four keys from `font` (what its element 1 now carries), in one operation.
// The name is the family that was asked for, so a machine lacking "MS Sans Serif" still stores
// that name.
void writeFontKeys(SettingsStore& store, FontTarget target, const QFont& font);
