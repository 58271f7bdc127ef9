#pragma once

#include <QString>

class QWidget;

// The help commands' road to the online help and the product's web site.
// Both addresses are build settings; a copy built without one says so in a
// message box (through CPromptSeam), once for each command, instead of
// doing nothing visible. GUI thread only.
namespace HelpPages {

// Opens a page of the online help ("user-interface_settings.htm").
void Open(QWidget* parent, const QString& page);

// Opens a page of the web site: its path ("/support.html", "/" for the
// home page).
void OpenWebPage(QWidget* parent, const QString& page);

// The texts of the two message boxes.
QString NoHelpAddressText();
QString NoWebSiteAddressText();

} // namespace HelpPages
