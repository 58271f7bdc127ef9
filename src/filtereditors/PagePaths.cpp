#include "PagePaths.h"

#include "Common.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace PagePaths {

QString ForRecord(QString path)
{
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString ForDisplay(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QString FolderOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return QString();
    if (slash == 0)
        return QStringLiteral("/");
    return path.left(slash);
}

QString ChooseImage(QWidget* parent, const QString& title, const QString& start, const QString& filter)
{
    // A folder that has gone would end up typed into the name field.
    const QString from = QFileInfo::exists(start) ? start : NearestExistingFolder(start);
    const QString chosen = QFileDialog::getOpenFileName(parent, title, from, filter);
    return ForRecord(chosen);
}

} // namespace PagePaths
