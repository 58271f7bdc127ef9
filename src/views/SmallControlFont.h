#pragma once

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>

// The forms, balloons and pages are laid out for the small system font of
// 11 design points, where a design point is one pixel (72 dpi). This
// platform counts 96 points to the inch and its default font is wider, so
// the application font is set to match: a condensed sans-serif where one is
// installed, at the design size. Header-only, so that the test sandbox can
// give tests the same font as the program.

// Point size on this screen of `designPoints` design points; without a
// screen, the design size.
inline double ScreenPointSize(double designPoints)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 0.0;
    if (!(dpi > 0.0))
        return designPoints;
    return designPoints * 72.0 / dpi;
}

// The application font at the small control size.
inline QFont SmallControlFont()
{
    QFont font = QGuiApplication::font();
    const QString condensed = QStringLiteral("DejaVu Sans Condensed");
    if (QFontDatabase::hasFamily(condensed))
        font.setFamily(condensed);
    font.setPointSizeF(ScreenPointSize(11));
    return font;
}
