#pragma once

#include <QDialog>

class CUserProfile;
class QCheckBox;
class QComboBox;

// The preferences: interface language, what opens at start, the update
// check, processing (several cores, the log, multi-page files) and RAW
// decoding. exec() shows CUserProfile's values; OK writes them back into the
// profile, which stores them in the settings store when the program ends. A
// new language takes effect at the next start, as the message after OK says.
class CSettings : public QDialog
{
    Q_OBJECT
public:
    explicit CSettings(QWidget* parent = nullptr);
    ~CSettings() override;

    // The offered languages' ids, in the order of the language list.
    static const QList<int>& LanguageIds();

    int exec() override;

public slots:
    void accept() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void LoadFromProfile();
    void SaveToProfile();
    void UpdateEnabled();

    CUserProfile* userProfile = nullptr;
    QComboBox* comboLanguage = nullptr;
    QCheckBox* checkShowProfiles = nullptr;
    QCheckBox* checkShowWizard = nullptr;
    QCheckBox* checkAutoCheck = nullptr;
    QComboBox* comboCheckInterval = nullptr;
    QCheckBox* checkMulticore = nullptr;
    QCheckBox* checkProcessLog = nullptr;
    QComboBox* comboMultipage = nullptr;
    QComboBox* comboRawWhiteBalance = nullptr;
    QComboBox* comboRawHighlight = nullptr;
    QComboBox* comboRawDemosaic = nullptr;
};
