#include "CFilterStatesList.h"
#include "CListFilters.h"
#include "CListImages.h"
#include "CStatesList.h"
#include "CUserProfile.h"
#include "TestEnv.h"

#include <QSignalSpy>

namespace {
// Puts job number n into the live lists and profile.
void SetJob(int n)
{
    SImageRecord image;
    image.path = QString("/p/%1.jpg").arg(n);
    CListImages::GetInstance()->list = {image};
    SFilterRecord filter;
    filter.filterId = 5070;
    filter.params[0] = n;
    CListFilters::GetInstance()->list = {filter};
    CUserProfile::GetInstance()->FilenameFormat = QString("job %1").arg(n);
}

// The job number the live lists and profile show, or -1 when they disagree.
int ShownJob()
{
    const int n = CUserProfile::GetInstance()->FilenameFormat.mid(4).toInt();
    const auto& images = CListImages::GetInstance()->list;
    const auto& filters = CListFilters::GetInstance()->list;
    if (images.size() != 1 || filters.size() != 1 ||
        images.first().path != QString("/p/%1.jpg").arg(n) || filters.first().params[0] != n)
        return -1;
    return n;
}

void SaveJobs(int first, int last)
{
    for (int n = first; n <= last; ++n) {
        SetJob(n);
        CStatesList::GetInstance()->SaveState(false);
    }
}

SFilterRecord Version(int n)
{
    SFilterRecord record;
    record.filterId = 2030;
    record.numParams = 1;
    record.params[0] = n;
    record.texts[0] = QString("v%1").arg(n);
    return record;
}

// One step of a history script: "s3" saves version 3, "s1-51" versions 1 to 51,
// "n2" saves version 2 as a name-only change, "u"/"r" undo/redo once, "u49" 49
// times, "c" clears.
struct SOp
{
    QChar kind;
    int first = 1;
    int last = 1;
};

QList<SOp> Parse(const QString& script)
{
    QList<SOp> ops;
    for (const QString& token : script.split(' ', Qt::SkipEmptyParts)) {
        SOp op{token.at(0)};
        const QStringList range = token.mid(1).split('-');
        const int n = range.first().isEmpty() ? 1 : range.first().toInt();
        op.last = n;
        if (op.kind != 'u' && op.kind != 'r') // a version rather than a count
            op.first = n;
        if (range.size() == 2)
            op.last = range.last().toInt();
        ops << op;
    }
    return ops;
}

QString Flag(QSignalSpy& spy, int emissions, char on)
{
    // Every step tells the window once whether undo and redo are possible.
    const QString flag = spy.count() != emissions ? "?" : spy.last().first().toBool() ? QString(on) : "-";
    spy.clear();
    return flag;
}
} // namespace

class TestStatesList : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanupTestCase();
    void jobHistory_data();
    void jobHistory();
    void pngCompressionRestoredAsSwitch_data();
    void pngCompressionRestoredAsSwitch();
    void snapshotRestoresJobSettingsOnly();
    void filterHistory_data();
    void filterHistory();
};

void TestStatesList::init()
{
    CStatesList::DeleteInstance();
    CUserProfile::DeleteInstance();
    CListImages::GetInstance()->list.clear();
    CListFilters::GetInstance()->list.clear();
}

void TestStatesList::cleanupTestCase()
{
    CStatesList::DeleteInstance();
    CUserProfile::DeleteInstance();
}

void TestStatesList::jobHistory_data()
{
    // After each step: shown job, current/total, whether undo (U) and redo (R)
    // are possible, and N when the undo or redo just done was a name-only change.
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("trace");
    QTest::newRow("three saves, undo and redo")
        << "s1 s2 s3 u u r r"
        << "1 1/1 --, 2 2/2 U-, 3 3/3 U-, 2 2/3 UR, 1 1/3 -R, 2 2/3 UR, 3 3/3 U-";
    QTest::newRow("ends change nothing")
        << "s1 u r s2 r u u" << "1 1/1 --, 1 1/1 --, 1 1/1 --, 2 2/2 U-, 2 2/2 U-, 1 1/2 -R, 1 1/2 -R";
    QTest::newRow("save after undo cuts the redo tail")
        << "s1-3 u u s4 u r r" << "3 3/3 U-, 2 2/3 UR, 1 1/3 -R, 4 2/2 U-, 1 1/2 -R, 4 2/2 U-, 4 2/2 U-";
    QTest::newRow("51 saves keep 50, the 50th undo does nothing")
        << "s1-51 u49 u r49 s52 u49"
        << "51 50/50 U-, 2 1/50 -R, 2 1/50 -R, 51 50/50 U-, 52 50/50 U-, 3 1/50 -R";
    QTest::newRow("name-only changes, stale positions read nothing")
        << "s1 n2 s3 u u r r r c u s6 u"
        << "1 1/1 --, 2 2/2 U-, 3 3/3 U-, 2 2/3 UR, 1 1/3 -R N, 2 2/3 UR N, 3 3/3 U-, 3 3/3 U-, "
           "3 0/0, 3 0/0 --, 6 1/1 --, 6 1/1 --";
}

void TestStatesList::jobHistory()
{
    QFETCH(QString, script);
    QFETCH(QString, trace);
    CStatesList* history = CStatesList::GetInstance();
    QVERIFY(!history->NameChangesOnly());
    QSignalSpy undo(history, &CStatesList::EnableUndo);
    QSignalSpy redo(history, &CStatesList::EnableRedo);
    QStringList steps;
    for (const SOp& op : Parse(script)) {
        for (int n = op.first; n <= op.last; ++n) {
            if (op.kind == 's' || op.kind == 'n') {
                SetJob(n);
                history->SaveState(op.kind == 'n');
            } else if (op.kind == 'u') {
                history->Undo();
            } else if (op.kind == 'r') {
                history->Redo();
            } else {
                history->ClearStatesList();
            }
        }
        QString step = QString("%1 %2/%3").arg(ShownJob()).arg(history->GetCurrent()).arg(history->GetTotal());
        if (op.kind != 'c') {
            const int times = op.last - op.first + 1;
            step += " " + Flag(undo, times, 'U') + Flag(redo, times, 'R');
        }
        if (op.kind != 's' && op.kind != 'n' && history->NameChangesOnly())
            step += " N";
        steps << step;
        // Slots past the total hold no lists.
        for (int i = history->GetTotal(); i < CStatesList::MaxStates; ++i)
            QVERIFY(history->GetState(i).images.isEmpty() && history->GetState(i).filters.isEmpty());
    }
    QCOMPARE(steps.join(", "), trace);
}

void TestStatesList::pngCompressionRestoredAsSwitch_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("restored");
    QTest::newRow("off") << 0 << 0;
    QTest::newRow("on") << 1 << 1;
    QTest::newRow("level") << 7 << 1;
    QTest::newRow("negative") << -1 << 1;
}

void TestStatesList::pngCompressionRestoredAsSwitch()
{
    QFETCH(int, stored);
    QFETCH(int, restored);
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->PNGComp = stored;
    SaveJobs(1, 1);
    profile->PNGComp = 5;
    SaveJobs(2, 2);
    CStatesList::GetInstance()->Undo();
    QCOMPARE(profile->PNGComp, restored);
}

void TestStatesList::snapshotRestoresJobSettingsOnly()
{
    CUserProfile* profile = CUserProfile::GetInstance();
    const auto setJob = [profile](bool first) {
        profile->PresetRename = first ? 3 : 0;
        profile->CounterStart = first ? 5000000000 : 1;
        profile->SearchFor = first ? "a" : "";
        profile->ReplaceWith = first ? "b" : "";
        profile->DestPath = first ? "/out" : "/elsewhere";
        profile->Destination = first ? 3 : 1;
        profile->FTPPassword = first ? "c2VjcmV0" : "";
        profile->FTPFolder = first ? "/up" : "/";
        profile->SaveOnDiskFlickr = first;
        profile->filenameFilter = CFilterFilename();
        profile->filenameFilter.result = first ? "sample.jpg" : "";
        profile->filenameFilter.number = first ? 9 : 0;
        profile->Quality = first ? 70 : 88;
        profile->FileSize = first ? 250 : 100;
        profile->TiffAlg = first ? 4 : 0;
        profile->CustomProfile = first ? "/icc/a.icc" : "";
        profile->DefaultFormat = first ? "PNG" : "JPG";
        profile->detailsSortColumn = first ? 3 : -1;
        profile->detailsSortOrder = first ? 1 : 0;
        profile->Step1Preview = profile->Step2Preview = false;
        SaveJobs(first ? 1 : 2, first ? 1 : 2);
    };
    setJob(true);
    setJob(false);

    // Not part of the job's history: the preview switches keep their live values.
    profile->Name = "monitor";
    profile->languageId = 1031;
    profile->scriptRun = true;
    profile->Step1Preview = profile->Step2Preview = true;

    CStatesList::GetInstance()->Undo();
    QCOMPARE(ShownJob(), 1);
    QCOMPARE(profile->PresetRename, 3);
    QCOMPARE(profile->CounterStart, qint64(5000000000));
    QCOMPARE(profile->SearchFor + profile->ReplaceWith, QString("ab"));
    QCOMPARE(profile->DestPath, QString("/out"));
    QCOMPARE(profile->Destination, 3);
    QCOMPARE(profile->FTPPassword, QString("c2VjcmV0"));
    QCOMPARE(profile->FTPFolder, QString("/up"));
    QVERIFY(profile->SaveOnDiskFlickr);
    QCOMPARE(profile->filenameFilter.result, QString("sample.jpg"));
    QCOMPARE(profile->filenameFilter.number, qint64(9));
    QCOMPARE(profile->Quality, 70);
    QCOMPARE(profile->FileSize, qint64(250));
    QCOMPARE(profile->TiffAlg, 4);
    QCOMPARE(profile->CustomProfile, QString("/icc/a.icc"));
    QCOMPARE(profile->DefaultFormat, QString("PNG"));
    QCOMPARE(profile->detailsSortColumn, 3);
    QCOMPARE(profile->detailsSortOrder, 1);
    QVERIFY(profile->Step1Preview && profile->Step2Preview);
    QCOMPARE(profile->Name, QString("monitor"));
    QCOMPARE(profile->languageId, 1031);
    QVERIFY(profile->scriptRun);
}

void TestStatesList::filterHistory_data()
{
    // After each step: the version saved or returned (0: empty record), current/total.
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("trace");
    QTest::newRow("undo and redo") << "s1 s2 s3 u u r r"
                                   << "1 1/1, 2 2/2, 3 3/3, 2 2/3, 1 1/3, 2 2/3, 3 3/3";
    QTest::newRow("ends are safe") << "u r s1 s2 r u u"
                                   << "0 0/0, 0 0/0, 1 1/1, 2 2/2, 2 2/2, 1 1/2, 1 1/2";
    QTest::newRow("save after undo drops the tail") << "s1-4 u u s9 u r"
                                                    << "4 4/4, 3 3/4, 2 2/4, 9 3/3, 2 2/3, 9 3/3";
    QTest::newRow("full history") << "s1-51 u49 u" << "51 50/50, 2 1/50, 2 1/50";
}

void TestStatesList::filterHistory()
{
    QFETCH(QString, script);
    QFETCH(QString, trace);
    CFilterStatesList states;
    QStringList steps;
    for (const SOp& op : Parse(script)) {
        SFilterRecord record;
        for (int n = op.first; n <= op.last; ++n) {
            if (op.kind == 's')
                states.SaveState(record = Version(n));
            else
                record = op.kind == 'u' ? states.Undo() : states.Redo();
        }
        // The whole record comes back, not just its first value.
        const int version = int(record.params[0]);
        QCOMPARE(record.texts[0], version ? QString("v%1").arg(version) : QString());
        steps << QString("%1 %2/%3").arg(version).arg(states.GetCurrent()).arg(states.GetTotal());
    }
    QCOMPARE(steps.join(", "), trace);
    QCOMPARE(states.skipNextSave, quint8(0));
}

GB_TEST_MAIN(TestStatesList)
#include "tst_stateslist.moc"
