#pragma once

#include "CFiltersEnum.h"
#include "SFilterRecord.h"
#include "SImageRecord.h"

#include <QtGlobal>

class CControlImage;

// The interface through which the filter settings dialog drives a settings
// page. Every page derives from QWidget first and from CFilterUI second, and
// has besides:
//   - its form, built in the constructor (parent widget, filter id);
//   - one preview timer, a QTimer child of the page made in the constructor
//     and connected to OnTimer(); an edit restarts it with the page's delay
//     (500 or 1000 ms), Initialize() and Load(record, true) with 0 ms;
//   - OnTimer(): stops the timer, saves the widgets into a fresh record,
//     emits SaveState(record) and calls StartPreview(record);
//   - the signal SaveState(SFilterRecord), which the dialog stores as an
//     undo state.
// Load converts the record's numbers through PageValues (PageValues.h),
// never by a plain cast.
//
// The dialog deletes a page through its QWidget part: this class has no
// virtual destructor on purpose and is never deleted on its own.
class CFilterUI
{
public:
    explicit CFilterUI(int filterId);

    // A new filter: the widgets take the filter's defaults; the preview timer
    // starts with 0 ms.
    virtual void Initialize() = 0;
    // An existing record, an undo or redo result (preview true: the preview
    // timer starts with 0 ms) or an on-image drag result (preview false: no
    // preview; the pages edited on the image emit SaveState(record) at once).
    virtual void Load(SFilterRecord record, bool preview) = 0;
    // Writes the page's counts and parameters into the record; the id, name
    // and active flag stay as they are.
    virtual void Save(SFilterRecord& record) = 0;

    // The size of the photo at imageRecord's path: 0 x 0 and ratio 1.0 when
    // there is none or it cannot be read.
    void PingImage();
    // Renders the record, stamped with this page's id and name and made
    // active, on controlFilter. Nothing while there is no filtered view.
    void StartPreview(SFilterRecord record);

    CFiltersEnum* filtersEnum = nullptr;
    CControlImage* controlFilter = nullptr;   // the dialog's filtered view
    CControlImage* controlOriginal = nullptr; // the dialog's unfiltered view
    int filterId = 0;
    SImageRecord imageRecord;                 // the preview photo
    SFilterTypeRecord filterType;             // registry row of filterId (id 0 when unknown)
    qint64 imageWidth = 0;
    qint64 imageHeight = 0;
    double imageRatio = 1.0;                  // width / height
};
