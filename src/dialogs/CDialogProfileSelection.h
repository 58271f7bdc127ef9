#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class CImageCache;
class CListThumb;
class CUserProfile;
class QDialogButtonBox;
class QLabel;

// The profile chooser: the built-in profiles of the Resources folder and the
// user's own (Documents "/Glimmerbox/Profiles/"), each by the name and
// description of its header, with its icon. exec() returns 1 when a profile
// was chosen; its file is then in `profilePath`, and CUserProfile's
// builtInProfile says whether it is one of ours (any category but
// "User-Defined"), so that Save Profile never writes over it. Only the
// headers are read: the job stays as it is until the caller loads the file.
class CDialogProfileSelection : public QDialog
{
    Q_OBJECT
public:
    // One profile of the list.
    struct SProfileEntry
    {
        QString path;
        QString name;
        QString description;
        QString category;
        int icon = -1; // index into the chooser's icons as the file gives it; -1 none
        bool builtIn = false;
    };

    explicit CDialogProfileSelection(QWidget* parent = nullptr);
    ~CDialogProfileSelection() override;

    // Icons, then the profiles of both folders. The icons are the cells of
    // "Icons-Filters-64.png" followed by those of "Icons-Formats-64.png": a
    // profile's Icon indexes them; a profile without one, or with a number
    // outside them, shows the general profile icon (the first).
    void Init();

    // The profiles of `folder` whose headers read, by name (a profile without
    // one is named after its file); files that are not profiles are passed
    // over.
    static QList<SProfileEntry> ReadProfiles(const QString& folder);
    static QString BuiltInFolder();
    static QString UserFolder();

    const QList<SProfileEntry>& Entries() const { return entries; }

    // The chosen profile's file, set on OK.
    QString profilePath;

public slots:
    void accept() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void AddEntries(const QList<SProfileEntry>& found);
    // The row of the selected profile, or -1.
    int SelectedRow() const;
    void OnSelectionChanged();

    CUserProfile* userProfile = nullptr;
    CImageCache* imageCache = nullptr;
    CListThumb* listProfiles = nullptr;
    QLabel* labelDescription = nullptr;
    QDialogButtonBox* buttons = nullptr;
    QList<SProfileEntry> entries; // one per row of the list
};
