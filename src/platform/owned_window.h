#pragma once

class QWidget;

// Shows a window opened from the main window: it takes input while the main window (and every
// window beneath it) takes none, without blocking the caller, and the main window takes input
// again as soon as it closes by any route. The window is deleted when it closes. Unless the
// window was placed already, it opens centred over the window it belongs to.
void showOwnedWindow(QWidget* window);

// Moves a window that has not been placed yet so it is centred over the window it belongs to.
void centreOverOwner(QWidget* window);
