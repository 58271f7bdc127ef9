#pragma once

#include "CFilterUI.h"

#include <QWidget>

class QTimer;
namespace Ui {
class CFilterBlank;
}

// Settings page of automatic rotation by the camera's orientation tag
// (5000): the filter has no settings, so the page only says so. Its record
// carries no parameters; it still previews and stores undo states like any
// other page.
class CFilterBlank : public QWidget, public CFilterUI
{
    Q_OBJECT
public:
    CFilterBlank(QWidget* parent, int filterId);
    ~CFilterBlank() override;

    void Initialize() override;
    void Load(SFilterRecord record, bool preview) override;
    void Save(SFilterRecord& record) override;

    Ui::CFilterBlank* ui = nullptr;
    QTimer* timer = nullptr;

signals:
    void SaveState(SFilterRecord record);

public slots:
    void OnTimer();
};
