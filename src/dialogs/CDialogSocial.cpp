#include "CDialogSocial.h"

#include "Common.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

CDialogSocial::CDialogSocial(QWidget* parent) : QDialog(parent)
{
    setObjectName("CDialogSocial");
    setWindowTitle(QString());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(tr("Enjoying Glimmerbox? Tell your friends about it and follow us for news, "
                               "tips and new versions."),
                            this);
    text->setWordWrap(true);
    text->setMinimumWidth(320);
    layout->addWidget(text);
    checkDontShow = new QCheckBox(tr("Don't show this again"), this);
    checkDontShow->setObjectName("checkDontShow");
    layout->addWidget(checkDontShow);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

CDialogSocial::~CDialogSocial() = default;

int CDialogSocial::exec()
{
    if (GetRegistryInt("GUI/DialogSocial.Show", 1) == 0)
        return QDialog::Rejected;
    return QDialog::exec();
}

void CDialogSocial::done(int result)
{
    if (checkDontShow->isChecked())
        SetRegistryInt("GUI/DialogSocial.Show", 0);
    QDialog::done(result);
}
