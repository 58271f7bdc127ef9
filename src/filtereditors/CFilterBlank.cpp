#include "CFilterBlank.h"

#include "ui_CFilterBlank.h"

#include <QTimer>

CFilterBlank::CFilterBlank(QWidget* parent, int filterId)
    : QWidget(parent), CFilterUI(filterId), ui(new Ui::CFilterBlank)
{
    ui->setupUi(this);
    timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &CFilterBlank::OnTimer);
}

CFilterBlank::~CFilterBlank()
{
    delete ui;
}

void CFilterBlank::Initialize()
{
    timer->start(0);
}

void CFilterBlank::Load(SFilterRecord, bool preview)
{
    if (preview)
        timer->start(0);
}

void CFilterBlank::Save(SFilterRecord& record)
{
    record.numParams = 0;
    record.numTexts = 0;
}

void CFilterBlank::OnTimer()
{
    timer->stop();
    SFilterRecord record;
    Save(record);
    emit SaveState(record);
    StartPreview(record);
}
