#pragma once

#include "COutputNaming.h"
#include "SImageRecord.h"
#include "SNamingSettings.h"

#include <QDialog>
#include <QString>

class CUserProfile;
namespace Ui {
class CDialogRename;
}

// The renaming dialog: a custom pattern of output file names with its
// counter, date and time, case and search-and-replace settings, and a live
// sample of the name the preview photo gets, exactly as a run would write
// it. The caller sets previewPhoto before exec(); OK copies the settings
// into CUserProfile's renaming fields (the preset in force is the caller's
// to change), Cancel changes nothing.
class CDialogRename : public QDialog
{
    Q_OBJECT
public:
    explicit CDialogRename(QWidget* parent = nullptr);
    ~CDialogRename() override;

    // Loads the widgets from the profile, looks at the preview photo once and
    // runs the dialog.
    int exec() override;
    void accept() override;

    // Shows `settings` in the widgets.
    void Load(const SNamingSettings& settings);
    // The settings the widgets hold, as a custom pattern (preset 3). Values
    // the widgets cannot show (a date layout or clock from a job file that
    // the lists lack) are kept as they were loaded.
    SNamingSettings Settings() const;

    // The photo the sample is named for (an empty path: none).
    SImageRecord previewPhoto;
    Ui::CDialogRename* ui = nullptr;

public slots:
    // Inserts a token at the pattern's cursor.
    void InsertToken(const QString& token);
    void UpdateSample();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FillLists();
    void UpdateEnabledStates();

    CUserProfile* userProfile = nullptr;
    SNamingSettings loaded;         // what Load() was given
    COutputNaming::SPhoto photo;    // the preview photo as a run sees it
};
