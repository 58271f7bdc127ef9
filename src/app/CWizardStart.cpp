#include "CWizardStart.h"

#include "CImageCache.h"
#include "CUserProfile.h"
#include "Common.h"
#include "HelpPages.h"
#include "Platform.h"
#include "ui_CWizardStart.h"

#include <QAbstractButton>

#include <algorithm>

namespace {
// The watermark's drawn size at normal density.
constexpr int kWatermarkHeight = 314;
} // namespace

CWizardStart::CWizardStart(QWidget* parent) : QWizard(parent), ui(new Ui::CWizardStart)
{
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    userProfile = CUserProfile::GetInstance();
    imageCache = CImageCache::GetInstance();
    Init();
}

CWizardStart::~CWizardStart()
{
    delete ui;
}

QPixmap CWizardStart::Watermark(int height)
{
    CImageCache* cache = CImageCache::GetInstance();
    const QImage image = cache->GetAsset("WizardStart-Wizard.png", false, true);
    if (image.isNull() || height <= 0)
        return QPixmap();
    // The "@2x" variant is drawn at half its pixel size.
    const int ratio = std::max(1, image.height() / kWatermarkHeight);
    QPixmap pixmap = QPixmap::fromImage(image.scaledToHeight(height * ratio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

void CWizardStart::Init()
{
    connect(this, &QWizard::currentIdChanged, this, &CWizardStart::CurrentPageChanged);
    setPixmap(QWizard::WatermarkPixmap, Watermark(maximumHeight()));
    for (WizardButton which : {NextButton, BackButton, FinishButton, CancelButton}) {
        if (QAbstractButton* b = button(which))
            b->setMinimumWidth(80);
    }
    // The anchor names the web site; a click opens the tutorial's help page.
    const QString site = WebSiteAddress();
    ui->linkTutorial->setText(QString("<a href=\"%1\">%2</a>")
                                  .arg(site.isEmpty() ? QString("#") : site.toHtmlEscaped(),
                                       tr("Tutorial - How to Resize and Rotate").toHtmlEscaped()));
    if (!userProfile->showStartupWizard)
        ui->checkShowFirst->setChecked(true);
}

void CWizardStart::showEvent(QShowEvent* event)
{
    // The rule above the buttons is drawn with the palette's Mid, which the
    // application's look leaves a signal red: a quiet grey here. The main
    // window's style sheet gives every widget a palette of its own when it
    // polishes it, so each one is set, once polished.
    for (QWidget* widget : findChildren<QWidget*>()) {
        QPalette look = widget->palette();
        look.setColor(QPalette::Mid, QColor(0xC8, 0xC8, 0xC8));
        widget->setPalette(look);
    }
    QWizard::showEvent(event);
}

int CWizardStart::exec()
{
    if (!userProfile->showStartupWizard)
        return 0;
    return QWizard::exec();
}

void CWizardStart::CurrentPageChanged(int id)
{
    if (id == 0)
        ui->checkShowFirst->setChecked(!userProfile->showStartupWizard);
    else if (id == 1)
        ui->checkShowSecond->setChecked(!userProfile->showStartupWizard);
}

void CWizardStart::on_checkShowFirst_clicked()
{
    userProfile->showStartupWizard = !ui->checkShowFirst->isChecked();
}

void CWizardStart::on_checkShowSecond_clicked()
{
    userProfile->showStartupWizard = !ui->checkShowSecond->isChecked();
}

void CWizardStart::on_linkTutorial_linkActivated()
{
    HelpPages::Open(this, "tutorials_how-to-resize-and-rotate.htm");
}
