#pragma once

#include "CFilterFrame.h"

namespace Ui {
class CFilterGrungeFrame;
}

// Settings page of the grunge frame (2002): a worn, uneven edge. See CFilterFrame for the record.
class CFilterGrungeFrame : public CFilterFrame
{
    Q_OBJECT
public:
    CFilterGrungeFrame(QWidget* parent, int filterId);
    ~CFilterGrungeFrame() override;

    Ui::CFilterGrungeFrame* ui = nullptr;
};
