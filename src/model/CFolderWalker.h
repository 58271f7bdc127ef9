#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Walks a folder for files: the files of the folder first, in code-point
// order of their names, then, when asked, each subfolder the same way, depth
// first. Folders are told apart by their canonical path, so a folder reached
// a second time through a link (a link to a parent folder, two links to one
// folder) is never entered again and a link cycle ends.
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

    // Walks `folder` (absolute, or relative to the current folder). Returns
    // the number of folders entered: 0 when `folder` is empty or is not a
    // readable folder. Hidden files and folders are passed over.
    static int Walk(const QString& folder, const Options& options, const Visitor& visit);
};
