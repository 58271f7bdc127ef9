#include "CSettings.h"

#include "CImageCache.h"
#include "CPromptSeam.h"
#include "CUserProfile.h"
#include "Common.h"
#include "HelpPages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace {
// The highlight modes above "rebuild" (4 to 9) are rebuild levels that only
// a settings file can hold; the list offers one "rebuild" for all of them.
constexpr int kRebuild = 3;

QComboBox* Combo(QWidget* parent, const char* name, const QStringList& items)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItems(items);
    return combo;
}

QCheckBox* Check(QWidget* parent, const char* name, const QString& text)
{
    auto* check = new QCheckBox(text, parent);
    check->setObjectName(name);
    return check;
}

void SelectIndex(QComboBox* combo, int index)
{
    combo->setCurrentIndex(qBound(0, index, combo->count() - 1));
}
} // namespace

const QList<int>& CSettings::LanguageIds()
{
    static const QList<int> ids = {1033, 1031, 1036, 1034, 1040, 1041};
    return ids;
}

CSettings::CSettings(QWidget* parent) : QDialog(parent)
{
    setObjectName("CSettings");
    setWindowTitle(tr("Settings"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    userProfile = CUserProfile::GetInstance();

    auto* outer = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout();
    auto* picture = new QLabel(this);
    picture->setObjectName("labelPicture");
    picture->setPixmap(CImageCache::GetInstance()->GetPixmap("Settings.png"));
    picture->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    picture->setFixedWidth(80);
    columns->addWidget(picture);
    auto* pages = new QVBoxLayout();
    columns->addLayout(pages, 1);
    outer->addLayout(columns);

    auto* general = new QGroupBox(tr("General"), this);
    auto* generalForm = new QFormLayout(general);
    comboLanguage = Combo(general, "comboLanguage",
                          {"English", "Deutsch", QString::fromUtf8("Français"), QString::fromUtf8("Español"),
                           "Italiano", QString::fromUtf8("日本語")});
    generalForm->addRow(tr("Language:"), comboLanguage);
    checkShowProfiles = Check(general, "checkShowProfiles", tr("Show profiles window at startup"));
    generalForm->addRow(checkShowProfiles);
    checkShowWizard = Check(general, "checkShowWizard", tr("Show wizard window at startup"));
    generalForm->addRow(checkShowWizard);
    checkAutoCheck = Check(general, "checkAutoCheck", tr("Check for new versions automatically"));
    generalForm->addRow(checkAutoCheck);
    comboCheckInterval = Combo(general, "comboCheckInterval", {tr("Every day"), tr("Every week"), tr("Every month")});
    generalForm->addRow(tr("Check:"), comboCheckInterval);
    pages->addWidget(general);

    auto* processing = new QGroupBox(tr("Processing"), this);
    auto* processingForm = new QFormLayout(processing);
    checkMulticore = Check(processing, "checkMulticore", tr("Use all the processor's cores"));
    processingForm->addRow(checkMulticore);
    checkProcessLog = Check(processing, "checkProcessLog", tr("Write the processing log"));
    processingForm->addRow(checkProcessLog);
    comboMultipage = Combo(processing, "comboMultipage",
                           {tr("Edit and write every page"), tr("Flatten the pages into one photo"),
                            tr("Edit and write the first page only")});
    processingForm->addRow(tr("Multi-page files:"), comboMultipage);
    pages->addWidget(processing);

    auto* raw = new QGroupBox(tr("RAW photos"), this);
    auto* rawForm = new QFormLayout(raw);
    comboRawWhiteBalance = Combo(raw, "comboRawWhiteBalance", {tr("As shot by the camera"), tr("Automatic"), tr("None")});
    rawForm->addRow(tr("White balance:"), comboRawWhiteBalance);
    comboRawHighlight = Combo(raw, "comboRawHighlight", {tr("Clip"), tr("Unclip"), tr("Blend"), tr("Rebuild")});
    rawForm->addRow(tr("Highlights:"), comboRawHighlight);
    comboRawDemosaic = Combo(raw, "comboRawDemosaic",
                             {tr("Decoder's choice"), tr("Linear"), tr("VNG"), tr("PPG"), tr("AHD")});
    rawForm->addRow(tr("Interpolation:"), comboRawDemosaic);
    pages->addWidget(raw);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName("buttonBox");
    connect(buttons, &QDialogButtonBox::accepted, this, &CSettings::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    outer->addWidget(buttons);

    connect(checkAutoCheck, &QCheckBox::toggled, this, &CSettings::UpdateEnabled);
}

CSettings::~CSettings() = default;

int CSettings::exec()
{
    LoadFromProfile();
    return QDialog::exec();
}

void CSettings::LoadFromProfile()
{
    const int language = int(LanguageIds().indexOf(userProfile->languageId));
    comboLanguage->setCurrentIndex(language < 0 ? 0 : language);
    checkShowProfiles->setChecked(userProfile->showProfiles);
    checkShowWizard->setChecked(userProfile->showStartupWizard);
    checkAutoCheck->setChecked(userProfile->autoCheck);
    SelectIndex(comboCheckInterval, userProfile->checkInterval);
    checkMulticore->setChecked(userProfile->useMulticore);
    checkProcessLog->setChecked(userProfile->processLog);
    SelectIndex(comboMultipage, userProfile->multipageWrite);
    SelectIndex(comboRawWhiteBalance, userProfile->rawWhiteBalance);
    SelectIndex(comboRawHighlight, userProfile->rawHighlight);
    SelectIndex(comboRawDemosaic, userProfile->rawDemosaic);
    UpdateEnabled();
}

void CSettings::UpdateEnabled()
{
    comboCheckInterval->setEnabled(checkAutoCheck->isChecked());
}

void CSettings::SaveToProfile()
{
    userProfile->showProfiles = checkShowProfiles->isChecked();
    userProfile->showStartupWizard = checkShowWizard->isChecked();
    userProfile->autoCheck = checkAutoCheck->isChecked();
    userProfile->checkInterval = comboCheckInterval->currentIndex();
    userProfile->useMulticore = checkMulticore->isChecked();
    userProfile->processLog = checkProcessLog->isChecked();
    userProfile->multipageWrite = comboMultipage->currentIndex();
    userProfile->rawWhiteBalance = comboRawWhiteBalance->currentIndex();
    // A finer rebuild level stays while "rebuild" stays chosen.
    if (comboRawHighlight->currentIndex() != kRebuild || userProfile->rawHighlight < kRebuild)
        userProfile->rawHighlight = comboRawHighlight->currentIndex();
    userProfile->rawDemosaic = comboRawDemosaic->currentIndex();
}

void CSettings::accept()
{
    SaveToProfile();
    const int language = LanguageIds().value(comboLanguage->currentIndex(), 1033);
    const bool languageChanged = language != userProfile->languageId;
    userProfile->languageId = language;
    QDialog::accept();
    if (languageChanged)
        CPromptSeam::Warning(parentWidget(), CPromptSeam::Message,
                             tr("You need to restart Glimmerbox for the changes to take effect."));
}

void CSettings::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        HelpPages::Open(this, "user-interface_settings.htm");
        return;
    }
    QDialog::keyPressEvent(event);
}
