#pragma once

#include <QString>

// The Resources folder: $GLIMMERBOX_RESOURCES when set, else the installed
// copy "../share/glimmerbox" seen from the executable's folder, else the
// folder "Resources" beside the executable's folder (the build tree), else
// the installed copy under the prefix the program was built for.
QString GetResourcesFolder();

// The same choice for a given value of $GLIMMERBOX_RESOURCES and a given
// executable's folder (empty: none known).
QString ResourcesFolderFor(const QString& fromEnvironment, const QString& programFolder);

// The system's temporary folder: $TMPDIR when it names a folder (Qt's
// QDir::tempPath), else "/tmp". Never empty and never the root of the file
// system, whatever the environment says.
QString TemporaryRoot();

// Opens a file, folder, e-mail message or web address with the desktop's
// handler. When $GLIMMERBOX_OPENER names a program, that program is started
// with the argument instead (tests record what would have been opened).
bool OpenExternal(const QString& fileOrUrl);

// Base address of the online help ("" when this build has none).
QString HelpBaseAddress();

// Address of the product's web site, its home page ("" when this build has
// none: the web-site and support entries then open nothing).
QString WebSiteAddress();
