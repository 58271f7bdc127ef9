#include "CDialogTip.h"

#include "CImageCache.h"
#include "Common.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

CDialogTip::CDialogTip(QWidget* parent) : QDialog(parent)
{
    setObjectName("CDialogTip");
    setWindowTitle(tr("Tip"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    labelBanner = new QLabel(this);
    labelBanner->setAlignment(Qt::AlignCenter);
    labelBanner->setPixmap(CImageCache::GetInstance()->GetPixmap("DialogTip-Banner.png"));
    layout->addWidget(labelBanner);
    labelText = new QLabel(this);
    labelText->setObjectName("labelText");
    labelText->setWordWrap(true);
    labelText->setMinimumWidth(360);
    layout->addWidget(labelText);
    checkDontShow = new QCheckBox(tr("Don't show this tip again"), this);
    checkDontShow->setObjectName("checkDontShow");
    layout->addWidget(checkDontShow);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

CDialogTip::~CDialogTip() = default;

bool CDialogTip::WillShow() const
{
    return !(showCheckBox && !key.isEmpty() && GetRegistryInt("GUI/" + key, 1) == 0);
}

int CDialogTip::exec()
{
    if (!WillShow())
        return QDialog::Accepted;
    labelText->setText(text);
    checkDontShow->setVisible(showCheckBox);
    checkDontShow->setChecked(false);
    adjustSize();
    return QDialog::exec();
}

void CDialogTip::done(int result)
{
    if (showCheckBox && !key.isEmpty() && checkDontShow->isChecked())
        SetRegistryInt("GUI/" + key, 0);
    QDialog::done(result);
}
