#include "CMainPanel1.h"

#include "CListImages.h"
#include "CStatesList.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

CMainPanel1::CMainPanel1(QWidget* parent) : QWidget(parent)
{
    setObjectName("CMainPanel1");
    auto* layout = new QVBoxLayout(this);
    textTitle = new QLabel(tr("Step 1 - Add all the photos you want to edit"), this);
    layout->addWidget(textTitle);
    photoListView = new QListWidget(this);
    photoListView->setObjectName("listImages");
    layout->addWidget(photoListView);
    timerShowAddPhotoTip.setSingleShot(true);
}

CMainPanel1::~CMainPanel1() = default;

void CMainPanel1::ClearImageList()
{
    photoListView->clear();
}

void CMainPanel1::AddListThumbItem(SImageRecord record)
{
    auto* item = new QListWidgetItem(record.baseName + "." + record.extension, photoListView);
    item->setToolTip(record.path);
}

int CMainPanel1::ViewCount() const
{
    return photoListView->count();
}

void CMainPanel1::RefreshPanel()
{
    // The views follow the job: one row per photo, the run keys renumbered.
    CListImages::GetInstance()->RenumberKeys();
}

void CMainPanel1::UnsignalPanelChanged()
{
    changed = false;
    emit UnsignalChanges();
}

void CMainPanel1::DiscardUserChanges()
{
    CListImages::GetInstance()->list.clear();
    ClearImageList();
    changed = false;
    emit UnsignalChanges();
}

void CMainPanel1::CleanUp() {}

void CMainPanel1::StartPreview(bool) {}

void CMainPanel1::SignalPanelChanged()
{
    changed = true;
    CStatesList* states = CStatesList::GetInstance();
    if (!states->suppress)
        states->SaveState(false);
    emit SignalChanges();
}
