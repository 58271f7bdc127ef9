#include "CListImages.h"

#include "CFormatsEnum.h"
#include "ListMoves.h"

#include <QSet>

CListImages::CListImages()
    : formats(CFormatsEnum::GetInstance())
{
}

void CListImages::SyncIndex()
{
    // `list` is public: undo, the job reader and the panels replace it or
    // change its length. A different buffer or length means a rebuild.
    if (m_indexedData == list.constData() && m_indexedSize == list.size())
        return;
    m_pathIndex.clear();
    m_pathIndex.reserve(list.size());
    for (int i = 0; i < list.size(); ++i)
        m_pathIndex.insert(list.at(i).path, i);
    m_indexedData = list.constData();
    m_indexedSize = list.size();
}

bool CListImages::IsReadableExtension(const QString& upperExtension) const
{
    if (!formats)
        return false;
    for (const SFormatRecord& row : formats->rows) {
        if (!row.canRead)
            continue;
        const QStringList pieces = row.extensions.split('/');
        if (pieces.contains(upperExtension))
            return true;
    }
    return false;
}

bool CListImages::HasReadableExtension(const QString& fileName) const
{
    const int dot = int(fileName.lastIndexOf('.'));
    return dot >= 0 && IsReadableExtension(fileName.mid(dot + 1).toUpper());
}

bool CListImages::AddImage(QString path, QList<QString>& rejected)
{
    SyncIndex();
    if (m_pathIndex.contains(path))
        return false;

    const int slash = int(path.lastIndexOf('/'));
    const QString fileName = path.mid(slash + 1);
    const int dot = int(fileName.lastIndexOf('.'));
    const QString extension = dot >= 0 ? fileName.mid(dot + 1) : QString();
    if (dot < 0 || !IsReadableExtension(extension.toUpper())) {
        rejected.append(path);
        return false;
    }

    SImageRecord record;
    record.path = path;
    record.folder = slash >= 0 ? path.left(slash) : QString();
    record.baseName = fileName.left(dot);
    record.extension = extension;
    record.key = list.size();
    record.folderIndex = 0;
    list.append(record);
    m_pathIndex.insert(path, int(list.size()) - 1);
    m_indexedData = list.constData();
    m_indexedSize = list.size();
    return true;
}

void CListImages::DragAndDrop(int from, int to)
{
    MoveListElement(list, from, to);
    RenumberKeys();
}

void CListImages::RenumberKeys()
{
    // Only keys that differ are written: the list stays shared with the undo
    // snapshots that hold it.
    for (int i = 0; i < list.size(); ++i) {
        if (list.at(i).key != i)
            list[i].key = i;
    }
}

void CListImages::Sort(QList<int> order)
{
    if (order.isEmpty() || order.size() != list.size())
        return;
    QSet<int> seen;
    for (int position : order) {
        if (position < 0 || position >= list.size() || seen.contains(position))
            return;
        seen.insert(position);
    }
    QList<SImageRecord> sorted;
    sorted.reserve(list.size());
    for (int position : order)
        sorted.append(list.at(position));
    list = sorted;
    RenumberKeys();
}
