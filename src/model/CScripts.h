#pragma once

#include <QDomElement>
#include <QDomNodeList>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class CFiltersEnum;
class QDomDocument;
class CListFilters;
class CListImages;
class CUserProfile;

// Reads and writes the XML job files: profiles (root "Profile", ".gbf"),
// scripts (root "Script", ".gbs") and projects (root "Project"). One object
// serves one load or one save of one path, on the GUI thread.
//
// The class is split by concern over several source files:
//   CScripts.cpp        construction and the writer (Save and its blocks)
//   CScriptsLoad.cpp    the reader (Load and its block parsers)
//   CScriptsSearch.cpp  the folder searches of scripts
//
// Job files are untrusted input: the reader refuses files that are too large
// or nested too deeply, keeps at most SFilterRecord's parameter counts per
// filter, and changes nothing unless the file is a usable job.
class CScripts
{
public:
    // Takes the version warning to whoever can read it (the main window
    // shows it, or prints it during a script run). Without one the text is
    // only traced.
    using WarningHandler = std::function<void(const QString& text)>;

    enum Kind { Project = 1, Profile = 2, Script = 3 };

    // Limits on what the reader accepts.
    static constexpr qint64 MaxFileBytes = 32 * 1024 * 1024;
    static constexpr int MaxDepth = 64;
    static constexpr int MaxElements = 1000000;
    static constexpr int MaxFilters = 1000;
    static constexpr int MaxSearchDepth = 128;

    explicit CScripts(QString path);
    virtual ~CScripts();
    CScripts(const CScripts&) = delete;
    CScripts& operator=(const CScripts&) = delete;

    // Writes a project (1), profile (2) or script (3) from the current job to
    // the object's path. The file is replaced only when the whole text was
    // written; on false an existing file is left as it was.
    bool Save(int mode);

    // Reads a job file of any kind into the photo list, the filter list and
    // CUserProfile. False, with nothing changed, when the file cannot be read,
    // is too large, is not well-formed XML, or is a project or script without
    // exactly one Images element.
    bool Load();

    // Reads only the header of a profile file into profileName,
    // profileDescription, profileCategory and profileIcon; the job (photos,
    // filters, settings) is left alone, so the profile chooser can list
    // profiles. False when the file is not a readable profile.
    bool LoadProfileHeader();

    void SetWarningHandler(WarningHandler handler) { m_warningHandler = std::move(handler); }

    // True when the last load took a destination folder (a non-empty
    // DestPath) from the file; otherwise the job kept its own.
    bool DestPathRead() const { return m_destPathRead; }

    // Photo paths of the last load that the photo list refused (unreadable
    // formats).
    const QList<QString>& RefusedPaths() const { return m_refused; }
    // What the folder searches of the last load had to pass over because
    // its name is not valid UTF-8 (no path could lead the program to it):
    // photos (by their extension) and folders not searched, as a log shows
    // them (CFolderWalker::ShownPath), a folder's with "/" at its end.
    const QStringList& PassedOverPaths() const { return m_passedOver; }

    // Profile name and description: set by the caller before Save(2); after a
    // profile was loaded, those of its header (a built-in profile's NameId
    // and DescriptionId texts, in the current language; the root's Name
    // attribute, when given, wins for the name).
    QString profileName;
    QString profileDescription;
    // Read with the header: the profile's category ("User-Defined" for the
    // user's own) and its icon, an index into the profile chooser's icons
    // (-1 when the header has none).
    QString profileCategory;
    int profileIcon = -1;

    // ---- Block writers: each appends one block to the text being built. ----
    void WriteImages();
    void WriteFilters();
    void WriteRename();
    void WriteOutput();
    void WriteFormat();
    void WriteInterface();

    // ---- Block readers, each given the child nodes of one element. ----
    void ParseImages(QDomNodeList nodes);
    void ParseSearch(QDomNodeList nodes);
    void ParseFilters(QDomNodeList nodes);
    void ParseScript(QDomNodeList nodes);
    void ParseRename(QDomNodeList nodes);
    void ParseOutput(QDomNodeList nodes);
    void ParseFormat(QDomNodeList nodes);
    void ParseInterface(QDomNodeList nodes);
    void ParseMonitor(QDomNodeList nodes);

    // Adds the files of folder whose names match mask (wildcards, any letter
    // case) to the photo list, sorted by name, then those of its sub-folders
    // when recursive, depth first. Hidden entries and links to files are
    // passed over; a folder reached twice (links) is searched once. Photos
    // and folders whose names are not valid UTF-8 are noted in
    // PassedOverPaths().
    void SearchAllFiles(QString folder, QString mask, bool recursive);

private:
    // Writer helpers (CScripts.cpp).
    void Line(int tabs, const QString& text);
    void PropertiesBlock(const QString& className);
    void WriteHeader(int mode);
    bool WriteFile();

    // Reader helpers (CScriptsLoad.cpp).
    bool ReadDocument(QDomDocument& document) const;
    void ParseProperties(const QString& className, const QDomNodeList& nodes);
    // The Rename, Output, Format, Interface and Monitor blocks, in order.
    void ParsePropertiesBlocks(const QDomElement& root);
    void ReadProfileHeader(const QDomElement& root);
    void Warn(const QString& text) const;

    CListImages* m_listImages = nullptr;
    QList<QString> m_refused;
    QStringList m_passedOver;
    CUserProfile* m_profile = nullptr;
    CListFilters* m_listFilters = nullptr;
    CFiltersEnum* m_filters = nullptr;
    QString m_path;
    QString m_version;
    QString m_versionWarning;
    QString m_text;
    WarningHandler m_warningHandler;
    bool m_destPathRead = false;
};
