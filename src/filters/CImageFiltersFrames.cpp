#include "CImageFilters.h"

// Frames, borders and shadow (2001-2030).
// Not built yet: the ids are recognised and leave the image unchanged.
bool CImageFilters::ApplyFrame(quint32 id)
{
    switch (id) {
    case 2001: // FilterShapeFrame
    case 2002: // FilterGrungeFrame
    case 2003: // FilterPictureFrame
    case 2004: // FilterVintageFrame
    case 2005: // FilterPolaroid
    case 2010: // FilterRaise
    case 2020: // FilterShadow
    case 2030: // FilterSimpleBorder
        return true;
    default:
        return false;
    }
}
