#pragma once

#include <QIcon>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QString>

#include "CImageCacheAsset.h"
#include "CSingleton.h"

// Process-wide source of the compiled-in interface images. Callers ask by a
// plain file name ("Icons-Minimal.png"); the cache picks the variant for the
// theme ("-Dark"/"-Light") and the screen density ("@2x"), loads it once and
// hands out shared copies. GUI thread only.
//
// Only normal and "@2x" images exist, so every cell cut from a strip is the
// nominal size, or twice that when the "@2x" variant was taken: use
// CellSide() or GetIcon() rather than the screen's device pixel ratio, which
// may be 3 or fractional.
class CImageCache : public CSingleton<CImageCache>
{
public:
    // Registers the compiled-in images. They live in a static library, so the
    // program and the tests call this (GetInstance does too) before the first
    // ":/" path is opened. Safe to call more than once.
    static void InitResources();

    virtual ~CImageCache();

    // ":/" + base [+ "-Dark" | "-Light" when themed] [+ "@2x" when both the
    // screen and the caller allow it] + "." + extension.
    QString GenerateImagePathName(const QString& name, bool themed, bool hiDpi) const;

    // The image at the generated path, loaded on the first request and kept
    // for the rest of the run (a missing resource gives a null image).
    QImage GetAsset(const QString& name, bool themed, bool hiDpi);

    // GetAsset(name, themed, true) as a pixmap that keeps its nominal size on
    // screen (the "@2x" variant is drawn at half its pixel size).
    QPixmap GetPixmap(const QString& name, bool themed = false);

    // Cuts a strip into square icons of `size` (doubled on a high-density
    // screen, from the "@2x" strip), row by row, with rows 1 to 5 taken from
    // the strip's rows 1, 5, 4, 3, 2. The caller owns the returned list; a
    // missing strip or a size below 1 gives an empty list.
    QList<QIcon>* LoadIconsFromPath(const QString& stripName, bool themed, int size);

    // Side in pixels of a cell of nominal side `nominal` in the image that
    // GetAsset(name, themed, hiDpi) returns: 2 x nominal for the "@2x"
    // variant, nominal otherwise.
    int CellSide(int nominal, bool hiDpi) const;

    // The icon of cell (column, row) of a strip whose cells are `nominal`
    // pixels at normal density; a null icon when the strip is missing or the
    // cell lies outside it.
    QIcon GetIcon(const QString& stripName, bool themed, bool hiDpi, int nominal, int column,
                  int row);

    // Written once by the main window before any image is asked for.
    bool isHighDensity = false;
    qint32 themeDark = 1;

private:
    friend class CSingleton<CImageCache>;
    CImageCache();

    QList<CImageCacheAsset> assets;
};
