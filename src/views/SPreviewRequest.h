#pragma once

#include "CImageManager.h"
#include "SFilterRecord.h"
#include "SImageProperties.h"

#include <Magick++.h>

#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QtGlobal>

class QObject;

// One render request of a preview, handed to its render thread whole: the
// thread never starts an operation with fields from two requests.
struct SPreviewRequest
{
    enum Operation { None = 0, Load = 1, Zoom = 2, Clean = 3 };

    quint64 generation = 0;         // given by the thread when posted; newer requests have larger numbers
    int operation = None;
    QString imagePath;
    QList<SFilterRecord> filters;   // applied in order; empty while a record is edited on the picture
    double zoom = 100.0;            // percent
    double zoomMin = 0.0;           // the fit zoom, percent
    QPoint scrollPos;               // top-left of the visible part of the zoomed picture, device pixels
    QSize viewportSize{-1, -1};     // device pixels
    const QObject* owner = nullptr; // the view that asked
    bool compositeBackground = false; // show a crop or resize over the veiled photo even when inactive
    qint64 photoIndex = 0;          // the photo's row, handed to the filters
    int multipageSetting = 0;       // 1: a document of several pages is read whole and flattened
    bool noRepeat = false;          // a failed load is not tried again
};

// One render as it goes from the thread's image manager to the view's.
struct SPreviewRender
{
    Magick::Image image;
    QList<Magick::Image> pages;
    SImageProperties properties;
    QString sourcePath;

    static SPreviewRender Of(const CImageManager& manager)
    {
        return {manager.image, manager.pages, manager.properties, manager.sourcePath};
    }
    void Into(CImageManager& manager) const
    {
        manager.image = image;
        manager.pages = pages;
        manager.properties = properties;
        manager.sourcePath = sourcePath;
    }
};

// What one ended operation hands back to its view. A result that was not
// shown (a failed filter, a load given up) only tells the view that the
// request is over.
struct SPreviewResult
{
    quint64 generation = 0;
    bool shown = false;
    // The photo could not be read (given up after its tries): the view must
    // not go on showing the photo it showed before.
    bool loadFailed = false;
    // The full-size render and the render scaled to the zoom.
    SPreviewRender full;
    SPreviewRender resized;
    // The zoom the picture was scaled by (a filter that changes the size is
    // fitted anew), its fit and the scroll position kept around the centre.
    double zoom = 0.0;
    double zoomMin = 0.0;
    QPoint scrollPos;
};
