#include "CFormatSettings.h"

#include "CFormatsEnum.h"
#include "CICCProfiles.h"
#include "CUserProfile.h"
#include "Common.h"
#include "HelpPages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// Colour types whose profile is the custom one.
constexpr int JpegTypeCustom = 3;
constexpr int TiffTypeCustom = 5;

void SelectIndex(QComboBox* combo, int index)
{
    if (combo)
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

// A list left at no item (the profile held a value it does not offer)
// keeps the profile's value.
void StoreIndex(const QComboBox* combo, int& field)
{
    if (combo && combo->currentIndex() >= 0)
        field = combo->currentIndex();
}
} // namespace

CFormatSettings::CFormatSettings(QWidget* parent)
    : QDialog(parent), userProfile(CUserProfile::GetInstance())
{
    setObjectName("CFormatSettings");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

CFormatSettings::~CFormatSettings() = default;

QString CFormatSettings::HelpPage(int page)
{
    switch (page) {
    case PageKeepOriginal:
        return "formats_original.htm";
    case PageGIF:
        return "formats_gif.htm";
    case PageJP2:
        return "formats_jp2.htm";
    case PageJPG:
        return "formats_jpg.htm";
    case PagePDF:
        return "formats_pdf.htm";
    case PagePNG:
        return "formats_png.htm";
    case PageTIF:
        return "formats_tiff.htm";
    case PageMIFF:
        return "formats_miff.htm";
    case PageHEIF:
        return "formats_heif.html";
    case PageWEBP:
        return "formats_webp.html";
    case PageAVIF:
        return "formats_avif.html";
    default:
        return QString();
    }
}

int CFormatSettings::exec()
{
    if (!form) {
        BuildPage();
        Load();
    }
    return QDialog::exec();
}

void CFormatSettings::BuildPage()
{
    if (page < PageOther || page > PageAVIF)
        page = PageOther;
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(tr("Options"), this);
    group->setObjectName("groupOptions");
    form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    layout->addWidget(group);

    switch (page) {
    case PageKeepOriginal: {
        comboDefaultFormat = new QComboBox(this);
        comboDefaultFormat->setObjectName("comboDefaultFormat");
        comboDefaultFormat->setToolTip(
            tr("Photos whose own format cannot be written are saved in this format"));
        for (const SFormatRecord& row : std::as_const(CFormatsEnum::GetInstance()->rows)) {
            if (row.canWrite)
                comboDefaultFormat->addItem(row.id + " - " + row.description, row.id);
        }
        form->addRow(tr("Other formats as"), comboDefaultFormat);
        AddQuality();
        AddInterlace();
        break;
    }
    case PageGIF:
        AddInterlace();
        break;
    case PageJPG:
        AddQuality();
        AddSizeCap();
        comboJpegType = AddChoice("comboJpegType", tr("Colours"),
                                  {tr("Grayscale"), tr("True colour (RGB)"), tr("CMYK"),
                                   tr("Custom colour profile")});
        AddCustomProfile();
        AddInterlace();
        break;
    case PagePDF:
        AddQuality();
        comboPdfAlg = AddChoice("comboPdfAlg", tr("Compression"), {tr("JPEG"), tr("LZW"), tr("RLE"), tr("Zip")});
        AddInterlace();
        break;
    case PagePNG:
        checkPNGComp = new QCheckBox(tr("Best compression"), this);
        checkPNGComp->setObjectName("checkPNGComp");
        form->addRow(tr("Compression"), checkPNGComp);
        AddInterlace();
        break;
    case PageTIF:
        AddQuality();
        comboTiffType = AddChoice("comboTiffType", tr("Colours"),
                                  {tr("Black and white"), tr("Palette"), tr("True colour (RGB)"),
                                   tr("True colour with transparency"), tr("CMYK"),
                                   tr("Custom colour profile")});
        comboTiffAlg = AddChoice("comboTiffAlg", tr("Compression"),
                                 {tr("LZW"), tr("RLE"), tr("Zip"), tr("JPEG"), tr("Fax (Group 3)"),
                                  tr("Fax (Group 4)"), tr("None")});
        AddCustomProfile();
        AddInterlace();
        break;
    default: // JP2, MIFF, HEIF, WEBP, AVIF and every other format
        AddQuality();
        AddInterlace();
        break;
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName("buttonBox");
    connect(buttons, &QDialogButtonBox::accepted, this, &CFormatSettings::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CFormatSettings::reject);
    layout->addWidget(buttons);
    setMinimumWidth(480);
}

void CFormatSettings::AddQuality()
{
    sliderQuality = new QSlider(Qt::Horizontal, this);
    sliderQuality->setObjectName("sliderQuality");
    sliderQuality->setRange(1, 100);
    spinQuality = new QSpinBox(this);
    spinQuality->setObjectName("spinQuality");
    spinQuality->setRange(1, 100);
    spinQuality->setFixedWidth(60);
    connect(sliderQuality, &QSlider::valueChanged, spinQuality, &QSpinBox::setValue);
    connect(spinQuality, qOverload<int>(&QSpinBox::valueChanged), sliderQuality, &QSlider::setValue);
    auto* row = new QHBoxLayout;
    row->addWidget(sliderQuality);
    row->addWidget(spinQuality);
    form->addRow(tr("Quality"), row);
}

void CFormatSettings::AddSizeCap()
{
    checkFixedSize = new QCheckBox(tr("Limit the file size to"), this);
    checkFixedSize->setObjectName("checkFixedSize");
    spinFileSize = new QSpinBox(this);
    spinFileSize->setObjectName("spinFileSize");
    spinFileSize->setRange(int(SFormatSettings::MinFileSizeKB), int(SFormatSettings::MaxFileSizeKB));
    spinFileSize->setSuffix(" KB");
    connect(checkFixedSize, &QCheckBox::toggled, spinFileSize, &QSpinBox::setEnabled);
    auto* row = new QHBoxLayout;
    row->addWidget(checkFixedSize);
    row->addWidget(spinFileSize);
    row->addStretch();
    form->addRow(tr("File size"), row);
}

void CFormatSettings::AddInterlace()
{
    comboInterlace = AddChoice("comboInterlace", tr("Interlace"),
                               {tr("None"), tr("Line"), tr("Plane"), tr("Partition")});
}

void CFormatSettings::AddCustomProfile()
{
    editCustomProfile = new QLineEdit(this);
    editCustomProfile->setObjectName("editCustomProfile");
    editCustomProfile->setReadOnly(true);
    buttonSelectProfile = new QPushButton(tr("Select..."), this);
    buttonSelectProfile->setObjectName("buttonSelectProfile");
    buttonDefaultProfile = new QPushButton(tr("Default"), this);
    buttonDefaultProfile->setObjectName("buttonDefaultProfile");
    buttonDefaultProfile->setToolTip(tr("Use the sRGB profile"));
    connect(buttonSelectProfile, &QPushButton::clicked, this, &CFormatSettings::ChooseCustomProfile);
    connect(buttonDefaultProfile, &QPushButton::clicked, this, &CFormatSettings::ResetCustomProfile);
    auto* row = new QHBoxLayout;
    row->addWidget(editCustomProfile);
    row->addWidget(buttonSelectProfile);
    row->addWidget(buttonDefaultProfile);
    form->addRow(tr("Colour profile"), row);
    QComboBox* type = comboJpegType ? comboJpegType : comboTiffType;
    if (type)
        connect(type, qOverload<int>(&QComboBox::currentIndexChanged), this, &CFormatSettings::UpdateProfileRow);
}

QComboBox* CFormatSettings::AddChoice(const QString& name, const QString& label, const QStringList& items)
{
    auto* combo = new QComboBox(this);
    combo->setObjectName(name);
    combo->addItems(items);
    form->addRow(label, combo);
    return combo;
}

void CFormatSettings::Load()
{
    if (spinQuality)
        spinQuality->setValue(userProfile->Quality);
    if (checkFixedSize) {
        checkFixedSize->setChecked(userProfile->FixedSize);
        spinFileSize->setValue(
            int(std::clamp(userProfile->FileSize, SFormatSettings::MinFileSizeKB, SFormatSettings::MaxFileSizeKB)));
        spinFileSize->setEnabled(userProfile->FixedSize);
    }
    if (checkPNGComp)
        checkPNGComp->setChecked(userProfile->PNGComp != 0);
    SelectIndex(comboInterlace, userProfile->Interlaced);
    SelectIndex(comboJpegType, userProfile->JpegType);
    SelectIndex(comboTiffType, userProfile->TiffType);
    SelectIndex(comboTiffAlg, userProfile->TiffAlg);
    SelectIndex(comboPdfAlg, userProfile->PdfAlg);
    if (comboDefaultFormat) {
        const QString wanted = userProfile->DefaultFormat.toUpper();
        int found = -1;
        for (int i = 0; i < comboDefaultFormat->count() && found < 0; ++i) {
            if (comboDefaultFormat->itemData(i).toString() == wanted)
                found = i;
        }
        comboDefaultFormat->setCurrentIndex(found);
    }
    customProfile = userProfile->CustomProfile;
    customProfileDefault = false;
    UpdateProfileRow();
}

void CFormatSettings::Save()
{
    if (spinQuality)
        userProfile->Quality = spinQuality->value();
    if (checkFixedSize) {
        userProfile->FixedSize = checkFixedSize->isChecked();
        userProfile->FileSize = spinFileSize->value();
    }
    if (checkPNGComp)
        userProfile->PNGComp = checkPNGComp->isChecked() ? 1 : 0;
    StoreIndex(comboInterlace, userProfile->Interlaced);
    StoreIndex(comboJpegType, userProfile->JpegType);
    StoreIndex(comboTiffType, userProfile->TiffType);
    StoreIndex(comboTiffAlg, userProfile->TiffAlg);
    StoreIndex(comboPdfAlg, userProfile->PdfAlg);
    if (comboDefaultFormat && comboDefaultFormat->currentIndex() >= 0)
        userProfile->DefaultFormat = comboDefaultFormat->currentData().toString();
    if (editCustomProfile) {
        const QString before = userProfile->CustomProfile;
        if (customProfileDefault)
            userProfile->SetDefaultCustomProfile();
        else
            userProfile->CustomProfile = customProfile;
        // The loaded copy belongs to the old file: the next write reloads.
        if (userProfile->CustomProfile != before)
            CICCProfiles::GetInstance()->customLoaded = false;
    }
}

void CFormatSettings::accept()
{
    Save();
    QDialog::accept();
}

void CFormatSettings::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        const QString help = HelpPage(page);
        if (!help.isEmpty())
            HelpPages::Open(this, help);
        return;
    }
    QDialog::keyPressEvent(event);
}

void CFormatSettings::ChooseCustomProfile()
{
    const QString start = customProfile.isEmpty() ? GetMyDocuments() : QFileInfo(customProfile).absolutePath();
    const QString path = QFileDialog::getOpenFileName(this, tr("Select a colour profile"), start,
                                                      tr("Colour profiles (*.icc *.icm *.ICC *.ICM)"));
    if (path.isEmpty())
        return;
    customProfile = QDir::fromNativeSeparators(path);
    customProfileDefault = false;
    UpdateProfileRow();
}

void CFormatSettings::ResetCustomProfile()
{
    customProfile = CICCProfiles::SRGBPath();
    customProfileDefault = true;
    UpdateProfileRow();
}

void CFormatSettings::UpdateProfileRow()
{
    if (!editCustomProfile)
        return;
    editCustomProfile->setText(QDir::toNativeSeparators(customProfile));
    const bool custom = (comboJpegType && comboJpegType->currentIndex() == JpegTypeCustom) ||
                        (comboTiffType && comboTiffType->currentIndex() == TiffTypeCustom);
    for (QWidget* widget : {static_cast<QWidget*>(editCustomProfile), static_cast<QWidget*>(buttonSelectProfile),
                            static_cast<QWidget*>(buttonDefaultProfile)})
        widget->setEnabled(custom);
}
