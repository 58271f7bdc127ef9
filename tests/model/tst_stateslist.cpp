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
    const QString format = CUserProfile::GetInstance()->FilenameFormat;
    const int n = format.mid(4).toInt();
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

// Last emitted value of a bool signal.
bool Last(const QSignalSpy& spy)
{
    return spy.last().first().toBool();
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
} // namespace

class TestStatesList : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanupTestCase();
    void threeSavesUndoRedo();
    void endsChangeNothing();
    void saveAfterUndoCutsRedoTail();
    void fullHistoryDropsOldest();
    void previewSwitchesKeepLiveValues();
    void pngCompressionRestoredAsSwitch_data();
    void pngCompressionRestoredAsSwitch();
    void snapshotRestoresJobSettingsOnly();
    void nameChangesOnly();
    void clearStartsAfresh();
    void filterUndoRedo();
    void filterEndsAreSafe();
    void filterSaveAfterUndoDropsTail();
    void filterFullHistory();
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

void TestStatesList::threeSavesUndoRedo()
{
    CStatesList* history = CStatesList::GetInstance();
    QSignalSpy undo(history, &CStatesList::EnableUndo);
    QSignalSpy redo(history, &CStatesList::EnableRedo);

    SaveJobs(1, 1);
    QCOMPARE(undo.count(), 1);
    QVERIFY(!Last(undo));
    QVERIFY(!Last(redo));
    SaveJobs(2, 3);
    QVERIFY(Last(undo));
    QVERIFY(!Last(redo));
    QCOMPARE(history->GetTotal(), 3);

    history->Undo();
    QCOMPARE(history->GetCurrent(), 2);
    QCOMPARE(ShownJob(), 2);
    QVERIFY(Last(undo));
    QVERIFY(Last(redo));

    history->Undo();
    QCOMPARE(ShownJob(), 1);
    QVERIFY(!Last(undo));
    QVERIFY(Last(redo));

    history->Redo();
    QCOMPARE(ShownJob(), 2);
    QVERIFY(Last(undo));
    QVERIFY(Last(redo));

    history->Redo();
    QCOMPARE(ShownJob(), 3);
    QCOMPARE(history->GetCurrent(), 3);
    QVERIFY(Last(undo));
    QVERIFY(!Last(redo));
}

void TestStatesList::endsChangeNothing()
{
    CStatesList* history = CStatesList::GetInstance();
    QSignalSpy undo(history, &CStatesList::EnableUndo);
    QSignalSpy redo(history, &CStatesList::EnableRedo);
    SaveJobs(1, 1);

    // Only one snapshot: neither direction is possible, and the signals say so.
    history->Undo();
    QCOMPARE(history->GetCurrent(), 1);
    QVERIFY(!Last(undo));
    QVERIFY(!Last(redo));
    history->Redo();
    QCOMPARE(history->GetCurrent(), 1);
    QVERIFY(!Last(undo));
    QVERIFY(!Last(redo));
    QCOMPARE(ShownJob(), 1);

    SaveJobs(2, 2);
    history->Redo();
    QCOMPARE(ShownJob(), 2);
    QVERIFY(Last(undo));
    QVERIFY(!Last(redo));
    history->Undo();
    history->Undo();
    QCOMPARE(ShownJob(), 1);
    QCOMPARE(history->GetCurrent(), 1);
    QVERIFY(!Last(undo));
    QVERIFY(Last(redo));
}

void TestStatesList::saveAfterUndoCutsRedoTail()
{
    CStatesList* history = CStatesList::GetInstance();
    QSignalSpy redo(history, &CStatesList::EnableRedo);
    SaveJobs(1, 3);
    history->Undo();
    history->Undo();
    SaveJobs(4, 4);
    QCOMPARE(history->GetTotal(), 2);
    QCOMPARE(history->GetCurrent(), 2);
    QVERIFY(!Last(redo));
    QVERIFY(history->GetState(2).images.isEmpty());
    QVERIFY(history->GetState(2).filters.isEmpty());

    history->Undo();
    QCOMPARE(ShownJob(), 1);
    history->Redo();
    QCOMPARE(ShownJob(), 4);
    history->Redo();
    QCOMPARE(ShownJob(), 4);
    QCOMPARE(history->GetCurrent(), 2);
}

void TestStatesList::fullHistoryDropsOldest()
{
    CStatesList* history = CStatesList::GetInstance();
    SaveJobs(1, 51);
    QCOMPARE(history->GetTotal(), 50);
    QCOMPARE(history->GetCurrent(), 50);
    QCOMPARE(history->GetState(0).FilenameFormat, QString("job 2"));
    QCOMPARE(history->GetState(49).FilenameFormat, QString("job 51"));

    for (int i = 0; i < 49; ++i)
        history->Undo();
    QCOMPARE(ShownJob(), 2);
    QCOMPARE(history->GetCurrent(), 1);
    history->Undo();
    QCOMPARE(ShownJob(), 2);
    QCOMPARE(history->GetCurrent(), 1);

    // Redo all the way, then one more save drops the oldest again.
    for (int i = 0; i < 49; ++i)
        history->Redo();
    QCOMPARE(ShownJob(), 51);
    SaveJobs(52, 52);
    QCOMPARE(history->GetState(0).FilenameFormat, QString("job 3"));
    QCOMPARE(history->GetState(49).FilenameFormat, QString("job 52"));
}

void TestStatesList::previewSwitchesKeepLiveValues()
{
    CStatesList* history = CStatesList::GetInstance();
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->Step1Preview = false;
    profile->Step2Preview = false;
    profile->detailsSortColumn = 3;
    profile->detailsSortOrder = 1;
    SaveJobs(1, 1);
    profile->detailsSortColumn = -1;
    profile->detailsSortOrder = 0;
    SaveJobs(2, 2);

    profile->Step1Preview = true;
    profile->Step2Preview = true;
    history->Undo();
    QVERIFY(profile->Step1Preview);
    QVERIFY(profile->Step2Preview);
    QCOMPARE(profile->detailsSortColumn, 3);
    QCOMPARE(profile->detailsSortOrder, 1);
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
    CStatesList* history = CStatesList::GetInstance();
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->PNGComp = stored;
    SaveJobs(1, 1);
    profile->PNGComp = 5;
    SaveJobs(2, 2);
    history->Undo();
    QCOMPARE(profile->PNGComp, restored);
}

void TestStatesList::snapshotRestoresJobSettingsOnly()
{
    CStatesList* history = CStatesList::GetInstance();
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->PresetRename = 3;
    profile->CounterStart = 5000000000;
    profile->SearchFor = "a";
    profile->ReplaceWith = "b";
    profile->DestPath = "/out";
    profile->Destination = 3;
    profile->FTPPassword = "c2VjcmV0";
    profile->FTPFolder = "/up";
    profile->SaveOnDiskFlickr = true;
    profile->filenameFilter.result = "sample.jpg";
    profile->filenameFilter.number = 9;
    profile->Quality = 70;
    profile->FileSize = 250;
    profile->TiffAlg = 4;
    profile->CustomProfile = "/icc/a.icc";
    profile->DefaultFormat = "PNG";
    SaveJobs(1, 1);

    profile->PresetRename = 0;
    profile->CounterStart = 1;
    profile->SearchFor.clear();
    profile->ReplaceWith.clear();
    profile->DestPath = "/elsewhere";
    profile->Destination = 1;
    profile->FTPPassword.clear();
    profile->FTPFolder = "/";
    profile->SaveOnDiskFlickr = false;
    profile->filenameFilter = CFilterFilename();
    profile->Quality = 88;
    profile->FileSize = 100;
    profile->TiffAlg = 0;
    profile->CustomProfile.clear();
    profile->DefaultFormat = "JPG";
    SaveJobs(2, 2);

    // Not part of the job's history.
    profile->Name = "monitor";
    profile->languageId = 1031;
    profile->scriptRun = true;

    history->Undo();
    QCOMPARE(ShownJob(), 1);
    QCOMPARE(profile->PresetRename, 3);
    QCOMPARE(profile->CounterStart, qint64(5000000000));
    QCOMPARE(profile->SearchFor, QString("a"));
    QCOMPARE(profile->ReplaceWith, QString("b"));
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
    QCOMPARE(profile->Name, QString("monitor"));
    QCOMPARE(profile->languageId, 1031);
    QVERIFY(profile->scriptRun);
}

void TestStatesList::nameChangesOnly()
{
    CStatesList* history = CStatesList::GetInstance();
    QVERIFY(!history->NameChangesOnly()); // empty history
    SaveJobs(1, 1);
    SetJob(2);
    history->SaveState(true);
    SaveJobs(3, 3);

    history->Undo(); // leaves job 3, an ordinary change
    QVERIFY(!history->NameChangesOnly());
    history->Undo(); // leaves job 2, a name-only change
    QVERIFY(history->NameChangesOnly());
    history->Redo(); // restores job 2
    QVERIFY(history->NameChangesOnly());
    history->Redo(); // restores job 3
    QVERIFY(!history->NameChangesOnly());

    // Stale positions give false rather than reading outside the history.
    history->Redo();
    QVERIFY(!history->NameChangesOnly());
    history->ClearStatesList();
    QVERIFY(!history->NameChangesOnly());
    history->Undo();
    QVERIFY(!history->NameChangesOnly());
}

void TestStatesList::clearStartsAfresh()
{
    CStatesList* history = CStatesList::GetInstance();
    QSignalSpy undo(history, &CStatesList::EnableUndo);
    SaveJobs(1, 5);
    history->ClearStatesList();
    QCOMPARE(history->GetCurrent(), 0);
    QCOMPARE(history->GetTotal(), 0);
    for (int i = 0; i < CStatesList::MaxStates; ++i)
        QVERIFY(history->GetState(i).images.isEmpty());
    SaveJobs(6, 6);
    QCOMPARE(history->GetTotal(), 1);
    QVERIFY(!Last(undo));
    history->Undo();
    QCOMPARE(ShownJob(), 6);
}

void TestStatesList::filterUndoRedo()
{
    CFilterStatesList states;
    QCOMPARE(states.skipNextSave, quint8(0));
    for (int n = 1; n <= 3; ++n)
        states.SaveState(Version(n));
    QCOMPARE(states.GetTotal(), 3);
    QCOMPARE(states.GetCurrent(), 3);

    QCOMPARE(states.Undo().params[0], 2.0);
    QCOMPARE(states.GetCurrent(), 2);
    const SFilterRecord first = states.Undo();
    QCOMPARE(first.params[0], 1.0);
    QCOMPARE(first.texts[0], QString("v1"));
    QCOMPARE(states.Redo().params[0], 2.0);
    QCOMPARE(states.Redo().params[0], 3.0);
    QCOMPARE(states.GetCurrent(), 3);
    QCOMPARE(states.skipNextSave, quint8(0));
}

void TestStatesList::filterEndsAreSafe()
{
    CFilterStatesList states;
    QCOMPARE(states.Undo().filterId, quint32(0));
    QCOMPARE(states.Redo().filterId, quint32(0));
    QCOMPARE(states.GetCurrent(), 0);

    states.SaveState(Version(1));
    states.SaveState(Version(2));
    QCOMPARE(states.Redo().params[0], 2.0); // already newest: shows the newest
    QCOMPARE(states.GetCurrent(), 2);
    states.Undo();
    QCOMPARE(states.Undo().params[0], 1.0); // already oldest: shows the oldest
    QCOMPARE(states.GetCurrent(), 1);
}

void TestStatesList::filterSaveAfterUndoDropsTail()
{
    CFilterStatesList states;
    for (int n = 1; n <= 4; ++n)
        states.SaveState(Version(n));
    states.Undo();
    states.Undo();
    states.SaveState(Version(9));
    QCOMPARE(states.GetTotal(), 3);
    QCOMPARE(states.GetCurrent(), 3);
    QCOMPARE(states.Undo().params[0], 2.0);
    QCOMPARE(states.Redo().params[0], 9.0);
}

void TestStatesList::filterFullHistory()
{
    CFilterStatesList states;
    for (int n = 1; n <= 51; ++n)
        states.SaveState(Version(n));
    QCOMPARE(states.GetTotal(), 50);
    QCOMPARE(states.GetCurrent(), 50);
    SFilterRecord record;
    for (int i = 0; i < 49; ++i)
        record = states.Undo();
    QCOMPARE(record.params[0], 2.0);
    QCOMPARE(states.Undo().params[0], 2.0);
    QCOMPARE(states.GetCurrent(), 1);
}

GB_TEST_MAIN(TestStatesList)
#include "tst_stateslist.moc"
