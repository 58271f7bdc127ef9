#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// Walks a folder for files: the files of the folder first, in code-point
// order of their names, then, when asked, each subfolder the same way, depth
// first. Folders are told apart by their canonical path, so a folder reached
// a second time through a link (a link to a parent folder, two links to one
// folder) is never entered again and a link cycle ends.
//
// Names that are not valid UTF-8 have no QString that leads back to the
// file (Qt decodes their bad bytes to U+FFFD and its listings leave them
// out), so no part of the program could open, name or delete such a file.
// The walk hands each of them that it would otherwise have taken (a
// matching file, a subfolder it would have entered) to a second visitor, as
// the bytes it is, so that no file is left out without a word.
//
// Shared by the folder searches of job files and by the step 1 panel's
// folder commands; each passes the options it needs.
class CFolderWalker
{
public:
    struct Options
    {
        // Name filter with wildcards, matched without regard to letter case;
        // empty takes every file.
        QString mask;
        // Enter the subfolders (links to folders included).
        bool recursive = false;
        // List links to files as files.
        bool includeFileLinks = false;
        // Subfolder levels below the start folder that are entered at most.
        int maxDepth = 128;
    };

    // Called once per folder entered, with that folder's absolute path and
    // the absolute paths of its matching files (possibly none).
    using Visitor = std::function<void(const QString& folder, const QStringList& files)>;
    // Called for each name passed over because it is not valid UTF-8: the
    // absolute path of the folder that holds it, the name's bytes, and
    // whether it names a subfolder (not entered) rather than a file.
    using PassOverVisitor = std::function<void(const QString& folder, const QByteArray& name, bool isFolder)>;

    // Walks `folder` (absolute, or relative to the current folder). Returns
    // the number of folders entered: 0 when `folder` is empty or is not a
    // readable folder. Hidden files and folders are passed over.
    static int Walk(const QString& folder, const Options& options, const Visitor& visit,
                    const PassOverVisitor& passOver);

    // The path of `name` in `folder` for one line of a log: valid UTF-8 as
    // EscapeForLog shows it, each byte of an invalid sequence as "\xHH".
    static QString ShownPath(const QString& folder, const QByteArray& name);
};
