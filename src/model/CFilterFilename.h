#pragma once

#include <QString>
#include <QtGlobal>

// One set of renaming settings together with the photo being named, and the
// expander that turns the pattern into an output file name. A plain value:
// the profile holds one for sample names, every processing thread and every
// undo snapshot holds a copy.
//
// Pattern tokens (case-insensitive): [Filename], [FolderName], [Extension],
// [Counter], [DateTime]; other bracketed names expand to nothing.
class CFilterFilename
{
public:
    CFilterFilename() = default;
    ~CFilterFilename() = default;

    // Expands the pattern for the photo set in the members below and leaves
    // the file name (base name and extension, no folder) in `result`.
    // `photoCount` is the number of photos of the job. `preview` marks names
    // shown in the interface; the name does not depend on it.
    void GenerateFilename(int photoCount, bool preview);

    // Date and time text of the photo (or of now, for a non-zero dateType).
    void ComputeDateTime(QString& out, int showTime, int dateType, int dateFormat,
                         int timeFormat) const;

    // False for the patterns that keep every photo's own name.
    bool IsOutputModified() const;

    // Highest number of counter digits honoured; larger values are clamped.
    static constexpr int MaxCounterDigits = 32;

    // Settings.
    QString FilenameFormat;  // the pattern
    QString workingFormat;   // the pattern as prepared by the last expansion
    int ChangeCase = 0;      // 0 keep, 1 lower, 2 upper, 3 capitalise words
    int PresetRename = 3;    // 0 own name, 1 folder name, 2 date, 3 custom pattern
    bool LowerCaseExt = true;
    qint64 CounterStart = 1;
    int CounterDigits = 2;   // minimum number of counter digits
    qint64 CountStep = 1;
    bool CounterReset = false; // the counter restarts in every source folder
    int DateType = 0;        // 0 the photo's date, otherwise now
    int DateFormat = 0;      // 0..11, see ComputeDateTime
    int TimeFormat = 0;      // 0 hh-mm, 1 hh-mm-ss, other: no time
    int ShowTime = 0;        // 0 12-hour clock, 1 24-hour clock, other: no time
    bool searchReplace = false; // apply SearchFor/ReplaceWith
    QString SearchFor;
    QString ReplaceWith;

    // Output of the last expansion.
    QString result;

    // The photo being named, set before each expansion.
    QString path;
    QString folder;
    QString baseName;
    QString extension;
    qint64 number = 0;  // counter index: run key, or number within its folder
    QString dateTaken;  // EXIF form "yyyy:mm:dd hh:mm:ss", empty when unknown

    // Adds " ([Counter])" to a pattern that would give every photo one name.
    bool appendCounter = true;
    // Continue numbering after the photos a monitoring job already wrote.
    bool continueNumbering = false;
    int picturesDone = 1;

private:
    void ApplyPreset(int photoCount);
    QString PrepareWorkingFormat(int photoCount) const;
    QString ExpandTokens(const QString& pattern) const;
    QString ExpandToken(const QString& token) const;
    QString CounterText() const;
    QString ApplyCase(const QString& name) const;
    QString ApplyCaseToExtension(const QString& extensionPart) const;
    static QString MakeSafeFileName(QString name);
};
