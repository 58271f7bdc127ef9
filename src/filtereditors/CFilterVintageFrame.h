#pragma once

#include "CFilterFrame.h"

namespace Ui {
class CFilterVintageFrame;
}

// Settings page of the vintage frame (2004): old paper, album, film and
// mount borders. See CFilterFrame for the record.
class CFilterVintageFrame : public CFilterFrame
{
    Q_OBJECT
public:
    CFilterVintageFrame(QWidget* parent, int filterId);
    ~CFilterVintageFrame() override;

    Ui::CFilterVintageFrame* ui = nullptr;
};
