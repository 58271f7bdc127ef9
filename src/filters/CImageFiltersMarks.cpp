#include "CImageFilters.h"

// Marks: text (1000), logo (1010) and the portrait/landscape mask (1020).
// Not built yet: the ids are recognised and leave the image unchanged.
bool CImageFilters::ApplyMark(quint32 id)
{
    switch (id) {
    case 1000: // FilterText
    case 1010: // FilterLogo
    case 1020: // FilterCustomMask
        return true;
    default:
        return false;
    }
}
