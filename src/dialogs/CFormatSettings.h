#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class CUserProfile;

// The options of the output format: one page per format family, with the
// write options that apply to that format (quality, size cap, compression,
// interlace, colour type, custom colour profile) and, on the keep-original
// page, the format for photos whose own format cannot be written. The page
// is chosen through `page` before exec(); the widgets are loaded from the
// user profile and written back only when the dialog is accepted.
class CFormatSettings : public QDialog
{
    Q_OBJECT
public:
    // Pages, by the format chosen in step 3.
    enum Page {
        PageOther = 0,
        PageKeepOriginal = 1,
        PageGIF = 2,
        PageJP2 = 3,
        PageJPG = 4,
        PagePDF = 5,
        PagePNG = 6,
        PageTIF = 7,
        PageMIFF = 8,
        PageHEIF = 9,
        PageWEBP = 10,
        PageAVIF = 11
    };

    explicit CFormatSettings(QWidget* parent = nullptr);
    ~CFormatSettings() override;

    // Builds the page, loads it from the profile and runs the dialog;
    // Accepted when the profile was updated.
    int exec() override;

    // The help page of an options page ("" for the pages of other formats).
    static QString HelpPage(int page);

    // Set before exec(): 0-11 (Page); other values show page 0.
    int page = PageOther;

public slots:
    // Stores the page's options into the profile, then closes.
    void accept() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildPage();
    void AddQuality();
    void AddSizeCap();
    void AddInterlace();
    void AddCustomProfile();
    QComboBox* AddChoice(const QString& name, const QString& label, const QStringList& items);
    void Load();
    void Save();
    void ChooseCustomProfile();
    void ResetCustomProfile();
    void UpdateProfileRow();

    CUserProfile* userProfile = nullptr;
    QFormLayout* form = nullptr;
    // Only the widgets of the page shown exist; the others stay null.
    QSlider* sliderQuality = nullptr;
    QSpinBox* spinQuality = nullptr;
    QCheckBox* checkFixedSize = nullptr;
    QSpinBox* spinFileSize = nullptr;
    QCheckBox* checkPNGComp = nullptr;
    QComboBox* comboInterlace = nullptr;
    QComboBox* comboJpegType = nullptr;
    QComboBox* comboTiffType = nullptr;
    QComboBox* comboTiffAlg = nullptr;
    QComboBox* comboPdfAlg = nullptr;
    QComboBox* comboDefaultFormat = nullptr;
    QLineEdit* editCustomProfile = nullptr;
    QPushButton* buttonSelectProfile = nullptr;
    QPushButton* buttonDefaultProfile = nullptr;
    // The custom profile as chosen in the dialog, applied on OK.
    QString customProfile;
    bool customProfileDefault = false;
};
