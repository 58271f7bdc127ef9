// The folder walker shared by job-file searches and the step 1 panel: the
// options each caller uses, the order of the walk, its ends (links, depth,
// missing folders) and the names it cannot take. The job-file rules
// themselves are checked in tst_jobfiles.
#include "CFolderWalker.h"
#include "TestEnv.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    const int count = CFolderWalker::Walk(
        root, options,
        [&](const QString& folder, const QStringList& files) {
            QStringList names;
            for (const QString& file : files)
                names << base.relativeFilePath(file);
            lines << base.relativeFilePath(folder) + ": " + names.join(", ");
        },
        {});
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

        QCOMPARE(CFolderWalker::Walk(QString(), options, {}, {}), 0);
        QCOMPARE(CFolderWalker::Walk(root + "/missing", options, {}, {}), 0);
        QCOMPARE(CFolderWalker::Walk(root + "/b.jpg", options, {}, {}), 0);
    }

    // A name that is not valid UTF-8 cannot be listed or opened through a
    // QString: the walk hands it over, as its bytes, wherever it would have
    // taken it, and the log shows its bad bytes as "\xHH". Valid UTF-8
    // beyond ASCII is walked as any name.
    void namesNotValidUtf8_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("isFolder");      // made as a folder holding x.jpg
        QTest::addColumn<QStringList>("files");  // found, relative to the row's folder
        QTest::addColumn<QStringList>("passedOver"); // shown paths, relative; "/" ends a folder's
        QTest::newRow("0xFF before the extension")
            << QByteArray("\xFF.jpg") << false << QStringList{"good.jpg"} << QStringList{"\\xFF.jpg"};
        QTest::newRow("a lone 0xC3 (a sequence cut short)")
            << QByteArray("a\xC3.jpg") << false << QStringList{"good.jpg"} << QStringList{"a\\xC3.jpg"};
        QTest::newRow("valid UTF-8 with accents is walked")
            << QByteArray("caf\xC3\xA9 No\xC3\xABl.jpg") << false
            << QStringList{QString::fromUtf8("caf\xC3\xA9 No\xC3\xABl.jpg"), "good.jpg"} << QStringList();
        QTest::newRow("a line break beside the bad byte stays one line")
            << QByteArray("x\n\xFF.jpg") << false << QStringList{"good.jpg"} << QStringList{"x\\n\\xFF.jpg"};
        QTest::newRow("outside the mask: not a name the walk would take")
            << QByteArray("\xFF.txt") << false << QStringList{"good.jpg"} << QStringList();
        QTest::newRow("a subfolder that cannot be entered")
            << QByteArray("\xFF") << true << QStringList{"good.jpg"} << QStringList{"\\xFF/"};
    }

    void namesNotValidUtf8()
    {
        QFETCH(QByteArray, name);
        QFETCH(bool, isFolder);
        QFETCH(QStringList, files);
        QFETCH(QStringList, passedOver);
        const QString folder = TestEnv::NewFolder("odd");
        Touch(folder + "/good.jpg");
        const QByteArray odd = QFile::encodeName(folder) + '/' + name;
        // Qt's own removal of the sandbox cannot see such names either.
        const auto removeOdd = qScopeGuard([&] {
            unlink((odd + "/x.jpg").constData());
            rmdir(odd.constData());
            unlink(odd.constData());
        });
        if (isFolder) {
            QVERIFY(mkdir(odd.constData(), 0700) == 0);
            QVERIFY(close(creat((odd + "/x.jpg").constData(), 0600)) == 0);
        } else {
            QVERIFY(close(creat(odd.constData(), 0600)) == 0);
        }

        CFolderWalker::Options options;
        options.mask = "*.JPG";
        options.recursive = true;
        QStringList found;
        QStringList shown;
        CFolderWalker::Walk(
            folder, options,
            [&](const QString&, const QStringList& paths) {
                for (const QString& path : paths)
                    found << QDir(folder).relativeFilePath(path);
            },
            [&](const QString& in, const QByteArray& passed, bool passedFolder) {
                QCOMPARE(in, folder);
                QCOMPARE(passed, name);
                shown << CFolderWalker::ShownPath(in, passed).mid(folder.size() + 1) + (passedFolder ? "/" : "");
            });
        QCOMPARE(found, files);
        QCOMPARE(shown, passedOver);
    }
};

GB_TEST_MAIN(TestFolderWalker)
#include "tst_folderwalker.moc"
