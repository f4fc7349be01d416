#pragma once

class QFont;
class QString;

// Text from theme files and the settings store is shown as it stands: never read as markup,
// and cut with an ellipsis where it does not fit. Each of these costs the same for a text of
// any length, as only as much of it as could ever show is measured.
namespace plain_text {

// `text` when it fits `width` pixels in `font`, otherwise as much of its start as fits
// followed by an ellipsis.
QString fitted(const QString& text, const QFont& font, double width);

// `text` wrapped at word boundaries (or anywhere, for a word wider than a line) into at most
// `maxLines` lines joined by line feeds; when it needs more, the last line ends in an ellipsis.
QString fittedLines(const QString& text, const QFont& font, double width, int maxLines);

// A tool tip that shows `text` as typed (Qt takes a tool tip that looks like markup for rich
// text, so such a text is escaped) and cut to what a screen can hold.
QString toolTip(const QString& text);

}  // namespace plain_text
