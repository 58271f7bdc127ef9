#pragma once

#include <QImage>
#include <QString>

// One interface image of the cache: its full resource path (the key) and the
// image loaded from it. A path that names no resource gives a null image,
// which is kept like any other so that the miss is not retried.
class CImageCacheAsset
{
public:
    explicit CImageCacheAsset(const QString& resourcePath);

    QString path;
    QImage image;
};
