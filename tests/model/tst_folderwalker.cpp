// The folder walker shared by job-file searches and the step 1 panel: the
// options each caller uses, the order of the walk, and its ends (links,
// depth, missing folders). The job-file rules themselves are checked in
// tst_jobfiles.
#include "CFolderWalker.h"
#include "TestEnv.h"

#include <QDir>
#include <QFile>

namespace {
void Touch(const QString& path)
{
    QDir().mkpath(path.left(path.lastIndexOf('/')));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

// "folder: a, b" per folder entered, paths relative to `root`.
QStringList Walk(const QString& root, const CFolderWalker::Options& options, int* entered = nullptr)
{
    QStringList lines;
    const QDir base(root);
    const int count = CFolderWalker::Walk(root, options, [&](const QString& folder, const QStringList& files) {
        QStringList names;
        for (const QString& file : files)
            names << base.relativeFilePath(file);
        lines << base.relativeFilePath(folder) + ": " + names.join(", ");
    });
    if (entered)
        *entered = count;
    return lines;
}
} // namespace

class TestFolderWalker : public QObject
{
    Q_OBJECT
    QString root;

private slots:
    void initTestCase()
    {
        root = TestEnv::NewFolder("walk");
        for (const char* name : {"b.jpg", "A.JPG", "notes.txt", ".hidden.jpg", "sub/c.jpg", "sub/deep/d.png",
                                 "empty/.keep", "other/o.jpg"})
            Touch(root + "/" + name);
        QVERIFY(QFile::link(root + "/b.jpg", root + "/link.jpg"));
        QVERIFY(QFile::link(root, root + "/sub/up"));          // a cycle through a parent
        QVERIFY(QFile::link(root + "/other", root + "/zother")); // one folder reached twice
    }

    void optionsOfEachCaller_data()
    {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<bool>("recursive");
        QTest::addColumn<bool>("fileLinks");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("folder: every file, links to files too")
            << QString() << false << true << QStringList{".: A.JPG, b.jpg, link.jpg, notes.txt"};
        QTest::newRow("folder with subfolders: every level, each folder once")
            << QString() << true << true
            << QStringList{".: A.JPG, b.jpg, link.jpg, notes.txt", "empty: ", "other: other/o.jpg",
                           "sub: sub/c.jpg", "sub/deep: sub/deep/d.png"};
        QTest::newRow("search: mask in any case, no links to files")
            << "*.JPG" << true << false
            << QStringList{".: A.JPG, b.jpg", "empty: ", "other: other/o.jpg", "sub: sub/c.jpg", "sub/deep: "};
    }

    void optionsOfEachCaller()
    {
        QFETCH(QString, mask);
        QFETCH(bool, recursive);
        QFETCH(bool, fileLinks);
        QFETCH(QStringList, expected);
        CFolderWalker::Options options;
        options.mask = mask;
        options.recursive = recursive;
        options.includeFileLinks = fileLinks;
        QCOMPARE(Walk(root, options), expected);
    }

    void depthLimitAndMissingFolders()
    {
        CFolderWalker::Options options;
        options.recursive = true;
        options.maxDepth = 1;
        int entered = 0;
        const QStringList lines = Walk(root, options, &entered);
        QCOMPARE(entered, 4); // root, empty, other, sub; not sub/deep
        QVERIFY(!lines.join('\n').contains("deep"));

        QCOMPARE(CFolderWalker::Walk(QString(), options, {}), 0);
        QCOMPARE(CFolderWalker::Walk(root + "/missing", options, {}), 0);
        QCOMPARE(CFolderWalker::Walk(root + "/b.jpg", options, {}), 0);
    }
};

GB_TEST_MAIN(TestFolderWalker)
#include "tst_folderwalker.moc"
