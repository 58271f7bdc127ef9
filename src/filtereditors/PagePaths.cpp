#include "PagePaths.h"

#include <QDir>
#include <QFileDialog>

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
    const QString chosen = QFileDialog::getOpenFileName(parent, title, start, filter);
    return ForRecord(chosen);
}

} // namespace PagePaths
