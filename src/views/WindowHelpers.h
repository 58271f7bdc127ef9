#pragma once

#include <QPainterPath>
#include <QRect>

class QToolButton;
class QWidget;

// Window helpers of the common helpers (GUI thread only). They live on the
// GUI side so that the engine builds without Qt Widgets.

// Moves `widget` so that its frame is centred on `area`, kept inside the
// first screen's available area.
void CenterChild(QRect area, int unused, QWidget* widget);
// Flat tool-button look: transparent, grey when hovered or checked.
void MacToolbuttonAutoraise(QToolButton* button);
// Outline of the tip bubble: 0 tip at the bottom left, 1 at the bottom
// right, 2 at the top left; an empty path for any other style.
QPainterPath GenerateInfoBaloon(int style);
