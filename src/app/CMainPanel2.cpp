#include "CMainPanel2.h"

#include "CListFilters.h"
#include "CStatesList.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

CMainPanel2::CMainPanel2(QWidget* parent) : QWidget(parent)
{
    setObjectName("CMainPanel2");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(tr("Step 2 - Set the graphic filters that will be applied on all selected photos"),
                   this));
    filterView = new QListWidget(this);
    filterView->setObjectName("listFilters");
    layout->addWidget(filterView);
}

CMainPanel2::~CMainPanel2() = default;

void CMainPanel2::Init()
{
    RefreshPanel();
}

void CMainPanel2::ClearFilterList()
{
    filterView->clear();
}

void CMainPanel2::RefreshPanel()
{
    filterView->clear();
    for (const SFilterRecord& record : std::as_const(CListFilters::GetInstance()->list))
        filterView->addItem(record.name);
}

void CMainPanel2::UnsignalPanelChanged()
{
    changed = false;
    emit UnsignalChanges();
}

void CMainPanel2::DiscardUserChanges()
{
    CListFilters::GetInstance()->list.clear();
    ClearFilterList();
    changed = false;
    emit UnsignalChanges();
}

void CMainPanel2::CleanUp(bool) {}

void CMainPanel2::SlotReloadThumbsInPanel2(int) {}

void CMainPanel2::StartCurrentPreviewIfOriginal() {}

void CMainPanel2::SignalPanelChanged()
{
    changed = true;
    CStatesList* states = CStatesList::GetInstance();
    if (!states->suppress)
        states->SaveState(false);
    emit SignalChanges();
}
