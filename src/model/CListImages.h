#pragma once

#include "CSingleton.h"
#include "SImageRecord.h"

#include <QHash>
#include <QList>
#include <QString>

class CFormatsEnum;

// The photo list of the current job. Other parts read and replace `list`
// directly; the path index used for the duplicate test notices such changes
// and rebuilds itself.
class CListImages : public CSingleton<CListImages>
{
public:
    virtual ~CListImages() = default;

    bool AddImage(QString path, QList<QString>& rejected);
    // True when the name ends in the extension of a format that can be read
    // (any letter case): the files AddImage takes rather than rejects.
    bool HasReadableExtension(const QString& fileName) const;
    void DragAndDrop(int from, int to);
    void Sort(QList<int> order);
    // Sets every record's run key to its position in the list (the step
    // panels do this whenever they bring their views into line).
    void RenumberKeys();

    CFormatsEnum* formats = nullptr;
    QList<SImageRecord> list;

private:
    friend class CSingleton<CListImages>;
    CListImages();
    bool IsReadableExtension(const QString& upperExtension) const;
    void SyncIndex();

    QHash<QString, int> m_pathIndex;
    const SImageRecord* m_indexedData = nullptr;
    qsizetype m_indexedSize = -1;
};
