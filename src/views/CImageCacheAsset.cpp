#include "CImageCacheAsset.h"

CImageCacheAsset::CImageCacheAsset(const QString& resourcePath)
    : path(resourcePath), image(resourcePath)
{
}
