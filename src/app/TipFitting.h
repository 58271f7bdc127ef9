#pragma once

#include <QSize>
#include <QString>

class CTextWidget;

// Sizing of the tip bubbles of the panels (GUI thread only).

// Whether the bubble placed every line of its text (a line with no room is
// moved out of sight, to the widget's right edge).
bool AllTextShown(const CTextWidget& tip);
// Sizes the bubble to `size` with `text`, taller (in steps of 10, up to twice
// the height) where the system font needs more lines, so that no line of the
// text is cut.
void FitTip(CTextWidget& tip, QSize size, const QString& text);
