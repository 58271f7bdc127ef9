#include "JobFileKind.h"

#include <QLatin1String>
#include <QStringView>

namespace {
// ASCII letters only: no other character stands for one of the extension's
// letters, as Unicode case folding would let the long s stand for "s".
bool SameExtension(QStringView extension, QLatin1String wanted)
{
    if (extension.size() != wanted.size())
        return false;
    for (qsizetype i = 0; i < extension.size(); ++i) {
        const char16_t c = extension[i].unicode();
        const char16_t lower = (c >= u'A' && c <= u'Z') ? char16_t(c - u'A' + u'a') : c;
        if (lower != char16_t(wanted[i].unicode()))
            return false;
    }
    return true;
}
} // namespace

EJobFileKind JobFileKind(const QString& path)
{
    const QStringView name = QStringView(path).mid(path.lastIndexOf(u'/') + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0)
        return EJobFileKind::None;
    const QStringView extension = name.mid(dot + 1);
    if (SameExtension(extension, QLatin1String("gbs")))
        return EJobFileKind::Script;
    if (SameExtension(extension, QLatin1String("gbf")))
        return EJobFileKind::Profile;
    return EJobFileKind::None;
}
