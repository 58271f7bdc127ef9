#include "CMainPanel3.h"

#include "COutputPaths.h"
#include "CStatesList.h"
#include "CUserProfile.h"
#include "Common.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CMainPanel3::CMainPanel3(QWidget* parent) : QWidget(parent)
{
    setObjectName("CMainPanel3");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(tr("Step 3 - Select the output path and image format for the edited photos"), this));
    editDestinationPath = new QLineEdit(this);
    editDestinationPath->setObjectName("editDestinationPath");
    editDestinationPath->setReadOnly(true);
    layout->addWidget(editDestinationPath);
    layout->addStretch();
    RefreshPanel();
}

CMainPanel3::~CMainPanel3() = default;

void CMainPanel3::RefreshPanel()
{
    editDestinationPath->setText(
        QDir::toNativeSeparators(COutputPaths::ExpandDestPath(CUserProfile::GetInstance()->DestPath)));
}

void CMainPanel3::UnsignalPanelChanged()
{
    changed = false;
    emit UnsignalChanges();
}

void CMainPanel3::DiscardUserChanges()
{
    RefreshPanel();
    changed = false;
    emit UnsignalChanges();
}

void CMainPanel3::SetOutputFormats(bool) {}

bool CMainPanel3::SelectFolder()
{
    CStatesList* states = CStatesList::GetInstance();
    states->suppress = true;
    const QString start = GetRegistryString("GUI/Step3.OutputPath", GetMyPictures());
    QString folder = QFileDialog::getExistingDirectory(
        this, tr("Select a folder for saving the resulting photos"), start,
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    states->suppress = false;
    if (folder.isEmpty())
        return false;
    folder.replace('\\', '/');
    CUserProfile::GetInstance()->DestPath = folder;
    SetRegistryString("GUI/Step3.OutputPath", folder);
    RefreshPanel();
    SignalPanelChanged();
    return true;
}

void CMainPanel3::SignalPanelChanged()
{
    changed = true;
    CStatesList* states = CStatesList::GetInstance();
    if (!states->suppress)
        states->SaveState(false);
    emit SignalChanges();
}
