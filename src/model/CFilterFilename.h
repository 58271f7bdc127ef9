#pragma once

#include "SNamingSettings.h"

#include <QString>
#include <QtGlobal>

// One set of renaming settings (SNamingSettings) together with the photo
// being named, and the expander that turns the pattern into an output file
// name. A plain value: the profile holds one for sample names, every
// processing thread and every undo snapshot holds a copy.
//
// Pattern tokens (case-insensitive): [Filename], [FolderName], [Extension],
// [Counter], [DateTime]; other bracketed names expand to nothing.
class CFilterFilename : public SNamingSettings
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

    // Takes a job's renaming settings, whole, with search and replace on:
    // what every caller does before expanding a name.
    void UseSettings(const SNamingSettings& naming);

    // The renaming settings, whole.
    SNamingSettings& Naming() { return *this; }
    const SNamingSettings& Naming() const { return *this; }

    // Highest number of counter digits honoured; larger values are clamped.
    static constexpr int MaxCounterDigits = 32;

    // Settings besides the renaming settings of the base.
    QString workingFormat;   // the pattern as prepared by the last expansion
    bool searchReplace = false; // apply SearchFor/ReplaceWith

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
