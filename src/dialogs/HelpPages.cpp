#include "HelpPages.h"

#include "CPromptSeam.h"
#include "Common.h"
#include "Platform.h"

#include <QCoreApplication>

namespace HelpPages {

QString NoHelpAddressText()
{
    return QCoreApplication::translate("HelpPages", "This copy of Glimmerbox has no address for its help pages.");
}

QString NoWebSiteAddressText()
{
    return QCoreApplication::translate("HelpPages", "This copy of Glimmerbox has no address for its web site.");
}

void Open(QWidget* parent, const QString& page)
{
    if (HelpBaseAddress().isEmpty()) {
        SystemLogWrite("OpenHelpFile", "no help address configured: " + page);
        CPromptSeam::Warning(parent, CPromptSeam::NoAddress, NoHelpAddressText());
        return;
    }
    OpenHelpFile(page);
}

void OpenWebPage(QWidget* parent, const QString& page)
{
    QString site = WebSiteAddress();
    if (site.isEmpty()) {
        SystemLogWrite("OpenWebPage", "no web site address configured: " + page);
        CPromptSeam::Warning(parent, CPromptSeam::NoAddress, NoWebSiteAddressText());
        return;
    }
    while (site.endsWith('/'))
        site.chop(1);
    OpenExternal(site + page);
}

} // namespace HelpPages
