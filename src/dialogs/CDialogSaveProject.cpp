#include "CDialogSaveProject.h"

#include "Common.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CDialogSaveProject::CDialogSaveProject(QWidget* parent) : QDialog(parent)
{
    setObjectName("CDialogSaveProject");
    setWindowTitle(QString());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(tr("Would you like to save your settings as a profile before closing?"), this);
    text->setWordWrap(true);
    layout->addWidget(text);
    checkDontAsk = new QCheckBox(tr("Don't ask me again"), this);
    checkDontAsk->setObjectName("checkDontAsk");
    layout->addWidget(checkDontAsk);
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* yes = new QPushButton(tr("Yes"), this);
    yes->setObjectName("buttonYes");
    yes->setDefault(true);
    auto* no = new QPushButton(tr("No"), this);
    no->setObjectName("buttonNo");
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("buttonCancel");
    row->addWidget(yes);
    row->addWidget(no);
    row->addWidget(cancel);
    layout->addLayout(row);
    connect(yes, &QPushButton::clicked, this, &CDialogSaveProject::on_buttonYes_clicked);
    connect(no, &QPushButton::clicked, this, &CDialogSaveProject::on_buttonNo_clicked);
    connect(cancel, &QPushButton::clicked, this, &CDialogSaveProject::on_buttonCancel_clicked);
}

CDialogSaveProject::~CDialogSaveProject() = default;

int CDialogSaveProject::exec()
{
    Yes = No = Cancel = false;
    if (GetRegistryInt("GUI/bShowSaveProject", 1) == 0)
        return QDialog::Accepted;
    return QDialog::exec();
}

void CDialogSaveProject::Remember()
{
    if (checkDontAsk->isChecked())
        SetRegistryInt("GUI/bShowSaveProject", 0);
}

void CDialogSaveProject::on_buttonYes_clicked()
{
    Yes = true;
    Remember();
    accept();
}

void CDialogSaveProject::on_buttonNo_clicked()
{
    No = true;
    Remember();
    accept();
}

void CDialogSaveProject::on_buttonCancel_clicked()
{
    // Cancel keeps the window open; "don't ask again" is not taken from it.
    reject();
}

void CDialogSaveProject::reject()
{
    Cancel = true;
    QDialog::reject();
}
