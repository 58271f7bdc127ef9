#pragma once

#include "CFilterFrame.h"

namespace Ui {
class CFilterShapeFrame;
}

// Settings page of the shaped frame (2001): the photo cut to a shape, with sharp or blurred
// edges. See CFilterFrame for the record.
class CFilterShapeFrame : public CFilterFrame
{
    Q_OBJECT
public:
    CFilterShapeFrame(QWidget* parent, int filterId);
    ~CFilterShapeFrame() override;

    Ui::CFilterShapeFrame* ui = nullptr;

private slots:
    void on_comboEdges_activated(int index);

protected:
    void FillEdges() override;
};
