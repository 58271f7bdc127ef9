#include "CDialogAbout.h"

#include "CImageCache.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

CDialogAbout::CDialogAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName("CDialogAbout");
    setWindowTitle(tr("About Glimmerbox"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    labelIcon = new QLabel(this);
    labelIcon->setAlignment(Qt::AlignCenter);
    labelIcon->setPixmap(CImageCache::GetInstance()->GetPixmap("AppIcon-128.png"));
    layout->addWidget(labelIcon);
    auto* name = new QLabel("<b>Glimmerbox</b>", this);
    name->setAlignment(Qt::AlignCenter);
    layout->addWidget(name);
    auto* version = new QLabel(VersionText(), this);
    version->setObjectName("labelVersion");
    version->setAlignment(Qt::AlignCenter);
    layout->addWidget(version);
    auto* copyright = new QLabel(tr("Copyright %1 Tarn&Willow").arg(QChar(0x00A9)), this);
    copyright->setAlignment(Qt::AlignCenter);
    layout->addWidget(copyright);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

CDialogAbout::~CDialogAbout() = default;

QString CDialogAbout::VersionText()
{
    return tr("Version %1").arg(QStringLiteral(GB_VERSION));
}
