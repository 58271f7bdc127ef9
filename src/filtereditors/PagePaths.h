#pragma once

#include <QString>

class QWidget;

// File paths on the settings pages of the marks (logo, text texture, masks).
// A record stores a path with "/" separators whatever the platform, so that
// job files travel between systems; a line edit shows it with the
// platform's own separators.
namespace PagePaths {

// The path as a record stores it: every backslash turned into "/".
QString ForRecord(QString path);

// A record's path as a line edit shows it.
QString ForDisplay(const QString& path);

// The folder of a chosen file, remembered as the next dialog's start: the
// path before its last "/" ("/" for a file in the root folder).
QString FolderOf(const QString& path);

// The open-file dialog of an image, starting at `start` (a folder or a
// file; a folder that does not exist opens its nearest existing parent)
// with the format table's filter of readable images. The chosen path
// with "/" separators, or "" when the dialog was cancelled.
QString ChooseImage(QWidget* parent, const QString& title, const QString& start, const QString& filter);

} // namespace PagePaths
