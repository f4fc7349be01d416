#pragma once

struct BoardModel;
class QPainter;

// Paints the board's client area in pixels from its top left: artwork, title, letter grid,
// word list and the visible strike lines. Screen and printer use the same routine; fonts are
// turned into pixel sizes so a scaled painter scales the text with everything else.
void paintBoardModel(QPainter& painter, const BoardModel& model);
