// The pages of the filter settings dialog, by filter id.
#include "CFilterSettings.h"

#include "CFilterBlank.h"
#include "CFilterCrop.h"
#include "CFilterCustomMask.h"
#include "CFilterGrungeFrame.h"
#include "CFilterLogo.h"
#include "CFilterPictureFrame.h"
#include "CFilterRaise.h"
#include "CFilterResize.h"
#include "CFilterRotate.h"
#include "CFilterShadow.h"
#include "CFilterShapeFrame.h"
#include "CFilterSimpleBorder.h"
#include "CFilterText.h"
#include "CFilterVintageFrame.h"

#include <QStringList>

namespace {
struct HelpRow
{
    quint32 filterId;
    const char* page;
};

// Every filter type offered has a help page, also before its settings page
// exists.
const HelpRow kHelpPages[] = {
    {1000, "filters_marks_text.htm"},
    {1010, "filters_marks_logo.htm"},
    {1020, "filters_marks_mask.htm"},
    {2001, "filters_borders_shape_frame.htm"},
    {2002, "filters_borders_grunge_frame.htm"},
    {2003, "filters_borders_picture_frame.htm"},
    {2004, "filters_borders_vintage_frame.htm"},
    {2010, "filters_borders_raise.htm"},
    {2020, "filters_borders_shadow.htm"},
    {2030, "filters_borders_border.htm"},
    {5000, "filters_transform_auto-rotate.htm"},
    {5020, "filters_transform_crop.htm"},
    {5040, "filters_transform_resize.htm"},
    {5070, "filters_transform_rotate.htm"},
};
} // namespace

QString CFilterSettings::HelpPage(quint32 filterId)
{
    for (const HelpRow& row : kHelpPages) {
        if (row.filterId == filterId)
            return QString::fromLatin1(row.page);
    }
    return QString();
}

template <class PageClass>
CFilterSettings::Page CFilterSettings::MakePage(quint32 filterId, QWidget* parent)
{
    auto* page = new PageClass(parent, int(filterId));
    // Queued: the undo history relies on a state arriving after the handler
    // that caused it has returned (see SaveState).
    connect(page, &PageClass::SaveState, this, &CFilterSettings::SaveState, Qt::QueuedConnection);
    return Page{page, page};
}

CFilterSettings::Page CFilterSettings::CreatePage(quint32 filterId, QWidget* parent)
{
    switch (filterId) {
    case 1000:
        return MakePage<CFilterText>(filterId, parent);
    case 1010:
        return MakePage<CFilterLogo>(filterId, parent);
    case 1020:
        return MakePage<CFilterCustomMask>(filterId, parent);
    case 2001:
        return MakePage<CFilterShapeFrame>(filterId, parent);
    case 2002:
        return MakePage<CFilterGrungeFrame>(filterId, parent);
    case 2003:
        return MakePage<CFilterPictureFrame>(filterId, parent);
    case 2004:
        return MakePage<CFilterVintageFrame>(filterId, parent);
    case 2010:
        return MakePage<CFilterRaise>(filterId, parent);
    case 2020:
        return MakePage<CFilterShadow>(filterId, parent);
    case 2030:
        return MakePage<CFilterSimpleBorder>(filterId, parent);
    case 5000:
        return MakePage<CFilterBlank>(filterId, parent);
    case 5020:
        return MakePage<CFilterCrop>(filterId, parent);
    case 5040:
        return MakePage<CFilterResize>(filterId, parent);
    case 5070:
        return MakePage<CFilterRotate>(filterId, parent);
    default:
        return Page();
    }
}
