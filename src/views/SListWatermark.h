#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <QtGlobal>

// One overlay drawn over a thumbnail view: a text or an image.
struct SListWatermark
{
    qint32 kind = 0;   // 0 text, 1 image
    QString text;      // the text, or the image's resource name
    qint32 dx = 0;
    qint32 dy = 0;
    QImage image;      // image overlays
    QFont font;        // text overlays
    QColor colour;     // text overlays
    qint32 anchor = 0; // images: 0 centred, 1 bottom-right corner, else the origin
    bool alwaysShown = false; // false: only while the view has no items
};
