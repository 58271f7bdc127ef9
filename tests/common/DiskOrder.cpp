#include "DiskOrder.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <sys/stat.h>

namespace DiskOrder {

namespace {

bool IsFlushOf(const SEvent& event, const QString& path)
{
    return event.kind == SEvent::Flush && NodeOf(path) == std::make_pair(event.device, event.inode);
}

// A flush that puts the name of `output` on the disk.
bool FlushesName(const SEvent& event, const QString& output, NameFlush how)
{
    if (how == NameFlush::Folder)
        return IsFlushOf(event, QFileInfo(output).absolutePath());
    return event.kind == SEvent::FileSystemFlush && event.device == NodeOf(output).first;
}

} // namespace

std::pair<dev_t, ino_t> NodeOf(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {0, 0};
    return {info.st_dev, info.st_ino};
}

size_t LastOf(const std::vector<SEvent>& log, SEvent::Kind kind, const QString& path, size_t end)
{
    const std::string name = QFile::encodeName(path).toStdString();
    size_t found = end;
    for (size_t i = 0; i < end; ++i) {
        if (log[i].kind == kind && log[i].path == name)
            found = i;
    }
    return found;
}

int Count(const std::vector<SEvent>& log, SEvent::Kind kind)
{
    return int(std::count_if(log.cbegin(), log.cend(), [kind](const SEvent& event) { return event.kind == kind; }));
}

QString Check(const std::vector<SEvent>& log, const QString& output, size_t end, NameFlush how)
{
    const size_t named = LastOf(log, SEvent::Name, output, end);
    if (named == end)
        return output + " has no name by the time its source went or the run ended";
    bool bytes = false;
    for (size_t i = 0; i < named; ++i)
        bytes = bytes || IsFlushOf(log[i], output);
    if (!bytes)
        return output + "'s bytes were not flushed before it took its name";
    for (size_t i = named + 1; i < end; ++i) {
        if (FlushesName(log[i], output, how))
            return QString();
    }
    return output + (how == NameFlush::Folder ? "'s folder" : "'s file system") +
           " was not flushed after its name, by the time its source went or the run ended";
}

} // namespace DiskOrder
