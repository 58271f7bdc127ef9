#include "CImageFilters.h"

// Geometric transforms (5000-5080).
// Not built yet: the ids are recognised and leave the image unchanged.
bool CImageFilters::ApplyTransform(quint32 id)
{
    switch (id) {
    case 5000: // FilterAutoRotate
    case 5002: // FilterAutoCrop
    case 5010: // FilterColorReplace
    case 5020: // FilterCrop
    case 5030: // FilterFlip
    case 5040: // FilterResize
    case 5050: // FilterResizeAdvanced
    case 5060: // FilterRoll
    case 5070: // FilterRotate
    case 5080: // FilterThumbnail
        return true;
    default:
        return false;
    }
}
