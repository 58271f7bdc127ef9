#pragma once

#include "CFilterFrame.h"

namespace Ui {
class CFilterPictureFrame;
}

// Settings page of the picture frame (2003): a moulding around the photo. See CFilterFrame for the record.
class CFilterPictureFrame : public CFilterFrame
{
    Q_OBJECT
public:
    CFilterPictureFrame(QWidget* parent, int filterId);
    ~CFilterPictureFrame() override;

    Ui::CFilterPictureFrame* ui = nullptr;
};
