// The step 2 panel in the main window, along the roads a user takes: the
// filter list and its commands, a filter added through the picker and its
// settings page, the photo strip and the two previews, and the output naming,
// whose preview is checked against the names a real script run writes.
#include "AppTestKit.h"
#include "CControlImage.h"
#include "CDialogFilterSelection.h"
#include "CDialogRename.h"
#include "CFilterSettings.h"
#include "CFiltersEnum.h"
#include "CListFilters.h"
#include "CListImages.h"
#include "CListThumb.h"
#include "CMainPanel1.h"
#include "CMainPanel2.h"
#include "CMainPanel3.h"
#include "CPromptSeam.h"
#include "CScripts.h"
#include "CStatesList.h"
#include "CUserProfile.h"
#include "Common.h"
#include "DngWriter.h"
#include "JobFileProperties.h"
#include "MainWindow.h"
#include "ServerFixtures.h"
#include "TestEnv.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCommandLinkButton>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>

using namespace AppTestKit;

namespace {
QList<SFilterRecord>& Filters()
{
    return CListFilters::GetInstance()->list;
}

SFilterRecord Record(int id)
{
    const SFilterTypeRecord type = CFiltersEnum::GetInstance()->GetRecordById(static_cast<unsigned short>(id));
    SFilterRecord record;
    record.filterId = quint32(id);
    record.name = type.name;
    record.description = type.description;
    record.active = 1;
    return record;
}

SFilterRecord RotateRecord(double degrees)
{
    SFilterRecord record = Record(5070);
    record.numParams = 2;
    record.params[0] = degrees;
    return record;
}

QList<int> Ids()
{
    QList<int> ids;
    for (const SFilterRecord& record : Filters())
        ids << int(record.filterId);
    return ids;
}

QList<int> ActiveFlags()
{
    QList<int> flags;
    for (const SFilterRecord& record : Filters())
        flags << int(record.active);
    return flags;
}

// Runs `act` on the modal window of type T once it is the active one, from a
// single-shot timer that looks again every 20 ms (for up to 20 s).
template <class T> void WhenModal(QObject* context, std::function<void(T*)> act, int triesLeft = 1000)
{
    QTimer::singleShot(20, context, [context, act, triesLeft] {
        if (auto* modal = qobject_cast<T*>(QApplication::activeModalWidget())) {
            act(modal);
            return;
        }
        if (triesLeft > 0)
            WhenModal<T>(context, act, triesLeft - 1);
    });
}

void PickFilter(CDialogFilterSelection* picker, const QString& name)
{
    auto* gallery = picker->findChild<CListThumb*>("listFilters");
    for (int row = 0; row < gallery->count(); ++row) {
        if (gallery->item(row)->text() == name)
            gallery->setCurrentRow(row);
    }
    picker->findChild<QPushButton*>("Ok")->click();
}

void ClickSettingsButton(CFilterSettings* dialog, QDialogButtonBox::StandardButton which)
{
    dialog->findChild<QDialogButtonBox*>("buttonBox")->button(which)->click();
}

// The filters of a saved job file, in order: id and active flag.
QList<QPair<int, int>> SavedFilters(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression filter("<Filter Id=\"(\\d+)\"( Active=\"0\")?>");
    QList<QPair<int, int>> found;
    auto matches = filter.globalMatch(QString::fromUtf8(file.readAll()));
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        found.append({match.captured(1).toInt(), match.captured(2).isEmpty() ? 1 : 0});
    }
    return found;
}

QStringList Sorted(QStringList list)
{
    list.sort();
    return list;
}
} // namespace

class TestPanel2 : public QObject
{
    Q_OBJECT

    QStringList warnings;
    QStringList questions;
    bool answerYes = true;
    std::unique_ptr<MainWindow> window;
    CMainPanel2* panel = nullptr;
    CUserProfile* profile = nullptr;
    CStatesList* states = nullptr;
    QString root;
    // Closes a dialog that no test answers, so that a fault fails the test
    // instead of hanging it.
    AppTestKit::ModalGuard guard;

    // A widget of the step 2 panel (step 1 has widgets of the same names).
    template <class T> T* Find(const char* name) const
    {
        T* child = panel->findChild<T*>(name);
        if (!child)
            qFatal("no %s", name);
        return child;
    }

    QLineEdit* NamePreview() const { return Find<QLineEdit>("editPreview"); }

    // The view shows its placeholder, not a picture of a photo.
    static void ShowsPlaceholder(CControlImage* view)
    {
        QVERIFY(view->imageLabel);
        QCOMPARE(view->imageLabel->pixmap().toImage(), view->pixmapPlaceholder.toImage());
    }

    // A job of filters built in code, shown as a freshly loaded job.
    void SetFilters(const QList<int>& ids)
    {
        Filters().clear();
        for (int id : ids)
            Filters().append(Record(id));
        panel->RefreshPanel();
        QCoreApplication::processEvents();
        panel->UnsignalPanelChanged();
        QTRY_VERIFY(!window->windowTitle().endsWith("*"));
    }

    // Copies the shared photos into root/<folder>; skips without them.
    QStringList CopyPhotos(const QString& folder, int count)
    {
        const QStringList copies = CopySharedPhotos(root + "/" + folder, count);
        if (copies.size() < count)
            return {};
        return copies;
    }

    // Adds photos the way step 1 does; the strip follows.
    void AddPhotos(const QStringList& paths)
    {
        window->Panel1()->ListThumbDragDropFiles(QList<QString>(paths.begin(), paths.end()));
        QTRY_COMPARE(panel->PhotoStrip()->count(), int(CListImages::GetInstance()->list.size()));
    }

    void ShowStep2()
    {
        window->ChangePanel(1);
        QTRY_VERIFY(panel->isVisible());
    }

    // Copies `count` shared photos into root/Holiday, adds them and shows
    // step 2; empty, with nothing added, without the shared photos.
    QStringList PhotosInStep2(int count)
    {
        const QStringList photos = CopyPhotos("Holiday", count);
        if (photos.isEmpty())
            return {};
        AddPhotos(photos);
        ShowStep2();
        return photos;
    }

    // The names the preview shows for every photo of the strip.
    QStringList PreviewNames()
    {
        QStringList names;
        for (int row = 0; row < panel->PhotoStrip()->count(); ++row) {
            panel->PhotoStrip()->setCurrentRow(row);
            panel->StartCurrentPreview();
            names << NamePreview()->text();
        }
        return names;
    }

private slots:
    void initTestCase()
    {
        if (!QFileInfo(ProgramPath()).isExecutable())
            QFAIL(qPrintable("the program is not built: " + ProgramPath()));
    }

    void init()
    {
        ResetStore({{"Settings/LaunchCounter", 4}, {"Settings/Settings.ShowStartupWizard", 0}});
        answerYes = true;
        RecordPrompts(&warnings, &questions, &answerYes);
        guard.Start(20);
        window = std::make_unique<MainWindow>(nullptr);
        window->show();
        panel = window->Panel2();
        profile = CUserProfile::GetInstance();
        states = CStatesList::GetInstance();
        root = TestEnv::NewFolder("panel2");
    }

    void cleanup()
    {
        guard.Stop();
        QVERIFY2(guard.unanswered.isEmpty(), qPrintable(guard.unanswered.join(", ")));
        window.reset();
        CPromptSeam::Reset();
    }

    // The list commands on a job of four filters (text, border, resize,
    // rotate): the list, the view, the current row, the title mark, one
    // undo step per change and what a saved job holds.
    void filterCommands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QList<int>>("ids");
        QTest::addColumn<QList<int>>("active");
        QTest::addColumn<int>("current");
        QTest::addColumn<bool>("edit");
        const QList<int> job = {1000, 2030, 5040, 5070};
        const QList<int> allOn = {1, 1, 1, 1};
        QTest::newRow("remove 1 and 3") << "remove" << QList<int>{1, 3} << QList<int>{1000, 5040}
                                        << QList<int>{1, 1} << 1 << true;
        QTest::newRow("remove, declined") << "remove-no" << QList<int>{1} << job << allOn << 1 << false;
        QTest::newRow("duplicate 0 and 2") << "duplicate" << QList<int>{0, 2}
                                           << QList<int>{1000, 2030, 5040, 5070, 1000, 5040}
                                           << QList<int>{1, 1, 1, 1, 1, 1} << 5 << true;
        QTest::newRow("up from 2") << "up" << QList<int>{2} << QList<int>{1000, 5040, 2030, 5070} << allOn << 1
                                   << true;
        QTest::newRow("up from the top") << "up" << QList<int>{0} << job << allOn << 0 << true;
        QTest::newRow("down from 1") << "down" << QList<int>{1} << QList<int>{1000, 5040, 2030, 5070} << allOn
                                     << 2 << true;
        QTest::newRow("down from the bottom") << "down" << QList<int>{3} << job << allOn << 3 << false;
        QTest::newRow("uncheck 2") << "uncheck" << QList<int>{2} << job << QList<int>{1, 1, 0, 1} << 2 << true;
        QTest::newRow("drag 2 and 3 to the top") << "drag" << QList<int>{2, 3} << QList<int>{5040, 5070, 1000, 2030}
                                                 << allOn << 0 << true;
    }

    void filterCommands()
    {
        QFETCH(QString, command);
        QFETCH(QList<int>, selected);
        QFETCH(QList<int>, ids);
        QFETCH(QList<int>, active);
        QFETCH(int, current);
        QFETCH(bool, edit);

        SetFilters({1000, 2030, 5040, 5070});
        CListThumb* view = panel->FilterView();
        view->clearSelection();
        for (int row : selected)
            view->item(row)->setSelected(true);
        view->selectionModel()->setCurrentIndex(view->model()->index(selected.first(), 0),
                                                QItemSelectionModel::NoUpdate);
        const int snapshots = states->GetTotal();

        answerYes = command != "remove-no";
        if (command.startsWith("remove"))
            panel->RemoveSelectedFilters();
        else if (command == "duplicate")
            panel->DuplicateFilters();
        else if (command == "up")
            panel->MoveFilterUp();
        else if (command == "down")
            panel->MoveFilterDown();
        else if (command == "uncheck")
            view->item(selected.first())->setCheckState(Qt::Unchecked);
        else if (command == "drag")
            view->DropSelectedRows(selected, 0); // the moves arrive queued

        QTRY_COMPARE(Ids(), ids);
        QCOMPARE(ActiveFlags(), active);
        QCOMPARE(view->currentRow(), current);
        QVERIFY(!states->suppress);
        if (command == "duplicate" || command == "drag") {
            QList<int> chosen;
            for (const QModelIndex& index : view->selectionModel()->selectedIndexes())
                chosen << index.row();
            std::sort(chosen.begin(), chosen.end());
            const QList<int> copies = {4, 5};
            const QList<int> moved = {0, 1};
            QCOMPARE(chosen, command == "drag" ? moved : copies);
        }
        // The view shows the list.
        QCOMPARE(view->count(), int(Filters().size()));
        for (int row = 0; row < view->count(); ++row) {
            QCOMPARE(view->item(row)->text(), Filters()[row].name);
            QCOMPARE(view->item(row)->checkState(), Filters()[row].active ? Qt::Checked : Qt::Unchecked);
        }
        if (edit) {
            QTRY_VERIFY(window->windowTitle().endsWith("*"));
            QCOMPARE(states->GetTotal(), snapshots + 1);
            QVERIFY(!states->NameChangesOnly());
        } else {
            QCoreApplication::processEvents();
            QVERIFY(!window->windowTitle().endsWith("*"));
            QCOMPARE(states->GetTotal(), snapshots);
        }

        const QString saved = root + "/job.gbf";
        QVERIFY(CScripts(saved).Save(2));
        QList<QPair<int, int>> expected;
        for (int i = 0; i < ids.size(); ++i)
            expected.append({ids[i], active[i]});
        QCOMPARE(SavedFilters(saved), expected);
    }

    void commandsWithoutSelectionWarn()
    {
        SetFilters({1000, 5070});
        CListThumb* view = panel->FilterView();
        view->clearSelection();
        view->setCurrentItem(nullptr);
        const int snapshots = states->GetTotal();
        panel->EditFilter(-1);
        panel->RemoveSelectedFilters();
        panel->DuplicateFilters();
        panel->MoveFilterUp();
        panel->MoveFilterDown();
        QCOMPARE(warnings, QStringList(5, "No filter selected"));
        QVERIFY(questions.isEmpty());
        QCOMPARE(Ids(), (QList<int>{1000, 5070}));
        QCOMPARE(states->GetTotal(), snapshots);
    }

    // The picker and the rotate page add a record; the list is rebuilt, one
    // undo step stored and both previews rendered again. Cancelling adds
    // nothing and clears the status text the page's preview left.
    void filterAddedThroughPickerAndPage()
    {
        const QStringList photos = PhotosInStep2(1);
        if (photos.isEmpty())
            QSKIP("the shared photos are not there");
        CControlImage* filtered = panel->FilteredView();
        CControlImage* original = panel->OriginalView();
        QTRY_VERIFY_WITH_TIMEOUT(filtered->shown && filtered->imagePath == photos.first(), 30000);
        QCOMPARE(int(filtered->image.image.columns()), 640);
        const int snapshots = states->GetTotal();
        const QString rotate = CFiltersEnum::GetInstance()->GetRecordById(5070).name;

        WhenModal<CDialogFilterSelection>(this, [this, rotate](CDialogFilterSelection* picker) {
            WhenModal<CFilterSettings>(this, [](CFilterSettings* settings) {
                settings->findChild<QSpinBox*>("spinDegrees")->setValue(90);
                ClickSettingsButton(settings, QDialogButtonBox::Ok);
            });
            PickFilter(picker, rotate);
        });
        Find<QPushButton>("buttonAddFilter")->click();

        QCOMPARE(Ids(), QList<int>{5070});
        QCOMPARE(int(Filters().first().numParams), 2);
        QCOMPARE(Filters().first().params[0], 90.0);
        QCOMPARE(int(Filters().first().active), 1);
        QCOMPARE(panel->FilterView()->count(), 1);
        QCOMPARE(panel->FilterView()->item(0)->text(), rotate);
        QCOMPARE(states->GetTotal(), snapshots + 1);
        QTRY_VERIFY(window->windowTitle().endsWith("*"));
        // Two seconds later both views render the photo again.
        QTRY_VERIFY_WITH_TIMEOUT(filtered->shown && !filtered->busy && filtered->image.image.columns() == 480,
                                 30000);
        QCOMPARE(int(filtered->image.image.rows()), 640);
        QTRY_VERIFY_WITH_TIMEOUT(original->shown && original->imagePath == photos.first(), 30000);
        QCOMPARE(int(original->image.image.columns()), 640);

        WhenModal<CDialogFilterSelection>(this, [this, rotate](CDialogFilterSelection* picker) {
            WhenModal<CFilterSettings>(this, [this](CFilterSettings* settings) {
                profile->SetPreviewComment("Applying 'Rotate' filter...");
                ClickSettingsButton(settings, QDialogButtonBox::Cancel);
            });
            PickFilter(picker, rotate);
        });
        Find<QPushButton>("buttonAddFilter")->click();
        QCOMPARE(Ids(), QList<int>{5070});
        QCOMPARE(states->GetTotal(), snapshots + 1);
        QVERIFY(profile->GetPreviewComment().isEmpty());
    }

    // Choosing a photo previews it in the view shown; the switch shows the
    // other view; unticking the preview blanks both and stores no undo step;
    // CleanUp ends while a failing filter's render is under way.
    void stripAndPreviews()
    {
        const QStringList photos = PhotosInStep2(2);
        if (photos.isEmpty())
            QSKIP("the shared photos are not there");
        CControlImage* filtered = panel->FilteredView();
        CControlImage* original = panel->OriginalView();
        QTRY_VERIFY_WITH_TIMEOUT(filtered->shown, 30000);

        panel->PhotoStrip()->setCurrentRow(1);
        QTRY_COMPARE(profile->previewPath, photos[1]);
        QTRY_VERIFY_WITH_TIMEOUT(filtered->shown && filtered->imagePath == photos[1] && !filtered->busy, 30000);
        QCOMPARE(NamePreview()->text(), QFileInfo(photos[1]).fileName());

        Find<QPushButton>("buttonSwitchView")->click();
        QTRY_VERIFY_WITH_TIMEOUT(original->shown && original->imagePath == photos[1] && !original->busy, 30000);

        const int snapshots = states->GetTotal();
        auto* showPreview = Find<QCheckBox>("checkShowPreview");
        showPreview->click();
        QVERIFY(!showPreview->isChecked());
        QCOMPARE(GetRegistryInt("GUI/Step2.ShowPreview", 1), 0);
        QVERIFY(!profile->Step2Preview);
        QTRY_VERIFY(filtered->imagePath.isEmpty() && original->imagePath.isEmpty());
        QVERIFY(!filtered->shown && !original->shown);
        QCOMPARE(states->GetTotal(), snapshots);
    }

    // A photo whose file has gone since it was added, or that cannot be
    // decoded, is not shown as the photo chosen before it: the preview goes
    // blank, in either step.
    void unreadablePhotoBlanksThePreview_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<bool>("decodable"); // false: the file is there but holds no photo
        QTest::newRow("step 1, file gone") << 0 << true;
        QTest::newRow("step 2, file gone") << 1 << true;
        QTest::newRow("step 1, cannot be decoded") << 0 << false;
        QTest::newRow("step 2, cannot be decoded") << 1 << false;
    }

    void unreadablePhotoBlanksThePreview()
    {
        QFETCH(int, step);
        QFETCH(bool, decodable);
        const QStringList photos = CopyPhotos("Holiday", 2);
        if (photos.isEmpty())
            QSKIP("the shared photos are not there");
        if (!decodable)
            QVERIFY(ServerFixtures::WriteFile(photos[1], QByteArray(4096, 'x')));
        AddPhotos(photos);
        window->ChangePanel(step);
        CMainPanel1* panel1 = window->Panel1();
        CControlImage* view = step == 0 ? panel1->findChild<CControlImage*>("scrollImage") : panel->FilteredView();
        const auto choose = [&](int row) {
            if (step == 0) {
                panel1->photoListView->setCurrentRow(row);
                panel1->StartPreview();
            } else {
                panel->PhotoStrip()->setCurrentRow(row);
                panel->StartCurrentPreview();
            }
        };
        choose(0);
        QTRY_VERIFY_WITH_TIMEOUT(view->shown && view->imagePath == photos[0] && !view->busy, 30000);

        if (decodable)
            QVERIFY(QFile::remove(photos[1]));
        choose(1);
        QCOMPARE(profile->previewPath, photos[1]);
        QTRY_VERIFY_WITH_TIMEOUT(!view->shown && !view->busy, 30000);
        QVERIFY2(view->imagePath != photos[0], qPrintable(view->imagePath));
        ShowsPlaceholder(view);
    }

    // Undo in step 2 that makes a photo which cannot be decoded the first
    // of the strip: its name and the placeholder are shown, not the picture
    // of the photo shown before.
    void undoToAnUndecodablePhotoBlanksThePreview()
    {
        const QStringList photos = CopyPhotos("Holiday", 2);
        if (photos.isEmpty())
            QSKIP("the shared photos are not there");
        QVERIFY(ServerFixtures::WriteFile(photos[0], QByteArray(4096, 'x')));
        AddPhotos(photos);
        CMainPanel1* panel1 = window->Panel1();
        panel1->photoListView->setCurrentRow(0);
        panel1->RemoveSelectedPhotos();
        QCOMPARE(CListImages::GetInstance()->list.size(), 1);
        ShowStep2();
        CControlImage* view = panel->FilteredView();
        QTRY_VERIFY_WITH_TIMEOUT(view->shown && view->imagePath == photos[1] && !view->busy, 30000);

        auto* undo = window->findChild<QAction*>("actionUndo");
        QTRY_VERIFY(undo->isEnabled());
        undo->trigger();
        QCOMPARE(CListImages::GetInstance()->list.size(), 2);
        QTRY_COMPARE(NamePreview()->text(), QFileInfo(photos[0]).fileName());
        QTRY_VERIFY_WITH_TIMEOUT(!view->shown && !view->busy, 30000);
        QVERIFY2(view->imagePath != photos[1], qPrintable(view->imagePath));
        ShowsPlaceholder(view);
    }

    void cleanUpAfterAFailingFilter()
    {
        const QStringList photos = PhotosInStep2(1);
        if (photos.isEmpty())
            QSKIP("the shared photos are not there");
        CControlImage* filtered = panel->FilteredView();
        QTRY_VERIFY_WITH_TIMEOUT(filtered->shown && !filtered->busy, 30000);
        SFilterRecord failing;
        failing.filterId = 9999; // no filter of the engine: applying it fails
        failing.active = 1;
        Filters() = {failing};
        panel->StartAllPreviews();
        QVERIFY(filtered->busy);
        panel->CleanUp(true);
        QTRY_VERIFY_WITH_TIMEOUT(filtered->imagePath.isEmpty() && panel->OriginalView()->imagePath.isEmpty(),
                                 30000);
        QVERIFY(!filtered->busy);
    }

    // After a preset is chosen (a snapshot of names only), another photo
    // chosen in the strip is still rendered.
    void photoChosenAfterAPresetIsRendered()
    {
        const QStringList photos = PhotosInStep2(2);
        if (photos.isEmpty())
            QSKIP("the shared photos are not there");
        CControlImage* filtered = panel->FilteredView();
        QTRY_VERIFY_WITH_TIMEOUT(filtered->shown && filtered->imagePath == photos[0] && !filtered->busy, 30000);

        QSignalSpy renders(filtered, &CControlImage::UpdateZoomPercent);
        panel->on_comboPreset_activated(1);
        QVERIFY(states->NameChangesOnly());
        QCOMPARE(profile->PresetRename, 1);
        QCOMPARE(NamePreview()->text(), QString("Holiday 001.jpg"));

        // Undoing the names needs no render of the photo shown.
        states->Undo();
        panel->RefreshPanel();
        QTRY_COMPARE(NamePreview()->text(), QString("DSCN0010.jpg"));
        QTest::qWait(1500);
        QCOMPARE(renders.count(), 0);
        states->Redo();
        panel->RefreshPanel();
        QTRY_COMPARE(NamePreview()->text(), QString("Holiday 001.jpg"));

        panel->PhotoStrip()->setCurrentRow(1);
        QTRY_VERIFY_WITH_TIMEOUT(filtered->shown && filtered->imagePath == photos[1] && !filtered->busy, 30000);
        QCOMPARE(NamePreview()->text(), QString("Holiday 002.jpg"));
    }

    // The tips come in the first two launches only, each once: the add
    // tip two seconds after the panel shows, the step 3 tip after a filter
    // is added; leaving the panel hides them.
    void tipsInEarlyLaunches_data()
    {
        QTest::addColumn<int>("launches");
        QTest::addColumn<bool>("shown");
        QTest::newRow("second launch") << 1 << true;
        QTest::newRow("third launch") << 2 << false;
    }

    void tipsInEarlyLaunches()
    {
        QFETCH(int, launches);
        QFETCH(bool, shown);
        window.reset();
        SetRegistryInt("Settings/LaunchCounter", launches);
        window = std::make_unique<MainWindow>(nullptr);
        window->show();
        panel = window->Panel2();
        profile = CUserProfile::GetInstance();
        states = CStatesList::GetInstance();
        QCOMPARE(profile->launchCount, launches + 1);
        auto* addTip = panel->findChild<QWidget*>("tipAddFilter");
        auto* step3Tip = panel->findChild<QWidget*>("tipStep3");
        ShowStep2();
        if (!shown) {
            QTest::qWait(2500);
            QVERIFY(!addTip->isVisible());
            return;
        }
        QTRY_VERIFY_WITH_TIMEOUT(addTip->isVisible(), 10000);
        QCOMPARE(addTip->pos(), Find<QPushButton>("buttonAddFilter")->mapTo(panel, QPoint(55, 25)));
        panel->ShowStep3Tip();
        QVERIFY(step3Tip->isVisible());
        QCOMPARE(step3Tip->pos(), QPoint(panel->width() / 2 + 40, 0));
        window->ChangePanel(0);
        QTRY_VERIFY(!addTip->isVisible() && !step3Tip->isVisible());
        ShowStep2();
        QTest::qWait(2500);
        QVERIFY(!addTip->isVisible());
    }

    // The custom entry of the preset list and the custom button: a
    // cancelled dialog keeps the preset in force; an accepted one sets the
    // custom preset even without an edit; the list's choice is an undo step
    // of names only, the button's an ordinary one.
    void customRenaming()
    {
        const QStringList photos = PhotosInStep2(1);
        if (photos.isEmpty())
            QSKIP("the shared photos are not there");
        QTRY_COMPARE(profile->previewPath, photos[0]);
        auto* combo = Find<QComboBox>("comboPreset");
        combo->setCurrentIndex(2);
        panel->on_comboPreset_activated(2);
        const int snapshots = states->GetTotal();

        WhenModal<CDialogRename>(this, [](CDialogRename* dialog) {
            QCOMPARE(dialog->findChild<QLineEdit*>("editSample")->text(), QString("DSCN0010.jpg"));
            dialog->reject();
        });
        combo->setCurrentIndex(3);
        panel->on_comboPreset_activated(3);
        QCOMPARE(combo->currentIndex(), 2);
        QCOMPARE(profile->PresetRename, 2);
        QCOMPARE(states->GetTotal(), snapshots);

        WhenModal<CDialogRename>(this, [](CDialogRename* dialog) { dialog->accept(); });
        combo->setCurrentIndex(3);
        panel->on_comboPreset_activated(3);
        QCOMPARE(profile->PresetRename, 3);
        QCOMPARE(profile->FilenameFormat, QString("[Filename]"));
        QCOMPARE(states->GetTotal(), snapshots + 1);
        QVERIFY(states->NameChangesOnly());

        WhenModal<CDialogRename>(this, [](CDialogRename* dialog) {
            dialog->findChild<QLineEdit*>("editPattern")->setText("[FolderName]-[Filename]");
            dialog->accept();
        });
        combo->setCurrentIndex(0);
        Find<QCommandLinkButton>("buttonCustom")->click();
        QCOMPARE(combo->currentIndex(), 3);
        QCOMPARE(states->GetTotal(), snapshots + 2);
        QVERIFY(!states->NameChangesOnly());
        QCOMPARE(NamePreview()->text(), QString("Holiday-DSCN0010.jpg"));
    }

    // The name preview follows the format chosen in step 3.
    void namePreviewFollowsStep3()
    {
        const QStringList photos = CopyPhotos("Holiday", 1);
        if (photos.isEmpty())
            QSKIP("the shared photos are not there");
        AddPhotos(photos);
        auto* formatList = window->Panel3()->findChild<QComboBox*>("comboOutputFormat");
        const QList<QPair<QString, QString>> choices = {
            {"PNG - ", "DSCN0010.png"}, {"TIF - ", "DSCN0010.tif"}, {KeepFormatText(), "DSCN0010.jpg"}};
        for (const auto& [item, name] : choices) {
            window->ChangePanel(2);
            for (int i = 0; i < formatList->count(); ++i) {
                if (formatList->itemText(i).startsWith(item))
                    formatList->setCurrentIndex(i);
            }
            ShowStep2();
            QTRY_COMPARE(NamePreview()->text(), name);
        }
    }

    // Photos in a folder "Holiday" (and one in "Other"): for each way of
    // naming, the names the preview shows are the names a real silent run
    // of the same job writes.
    void namePreviewIsWhatARunWrites_data()
    {
        QTest::addColumn<int>("preset");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("options");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("own name") << 0 << "" << "" << QStringList{"DSCN0010.jpg", "DSCN0012.jpg", "DSCN0021.jpg"};
        QTest::newRow("folder's name") << 1 << "" << ""
                                       << QStringList{"Holiday 001.jpg", "Holiday 002.jpg", "Other 003.jpg"};
        QTest::newRow("photo's date") << 2 << "" << ""
                                      << QStringList{"Oct-22-2008 04-28 PM.jpg", "Oct-22-2008 04-29 PM.jpg",
                                                     "Oct-22-2008 04-38 PM.jpg"};
        QTest::newRow("pattern with a dot") << 3 << "[Filename].small" << ""
                                            << QStringList{"DSCN0010.jpg", "DSCN0012.jpg", "DSCN0021.jpg"};
        QTest::newRow("pattern with two dots") << 3 << "[Filename].web.[Counter]" << ""
                                               << QStringList{"DSCN0010.web.jpg", "DSCN0012.web.jpg",
                                                              "DSCN0021.web.jpg"};
        QTest::newRow("24-hour clock") << 3 << "[DateTime]" << "iso 24h"
                                       << QStringList{"2008-10-22 16-28.jpg", "2008-10-22 16-29.jpg",
                                                      "2008-10-22 16-38.jpg"};
        QTest::newRow("24-hour clock, seconds") << 3 << "[DateTime]" << "iso 24h seconds"
                                                << QStringList{"2008-10-22 16-28-39.jpg", "2008-10-22 16-29-49.jpg",
                                                               "2008-10-22 16-38-20.jpg"};
        QTest::newRow("counter per folder") << 3 << "[FolderName]_[Counter]" << "reset"
                                            << QStringList{"Holiday_005.jpg", "Holiday_007.jpg", "Other_005.jpg"};
        QTest::newRow("case and replace") << 3 << "[Filename] [FolderName]" << "capitals replace"
                                          << QStringList{"Pic0010 Holiday.jpg", "Pic0012 Holiday.jpg",
                                                         "Pic0021 Other.jpg"};
        QTest::newRow("keep format, raw written") << 0 << "" << "keep rotate raw"
                                                  << QStringList{"DSCN0010.jpg", "DSCN0012.jpg", "DSCN0021.jpg",
                                                                 "raw.png"};
        QTest::newRow("keep format, raw copied") << 0 << "" << "keep raw"
                                                 << QStringList{"DSCN0010.jpg", "DSCN0012.jpg", "DSCN0021.jpg",
                                                                "raw.dng"};
        QTest::newRow("another format") << 0 << "" << "png"
                                        << QStringList{"DSCN0010.png", "DSCN0012.png", "DSCN0021.png"};
    }

    void namePreviewIsWhatARunWrites()
    {
        QFETCH(int, preset);
        QFETCH(QString, pattern);
        QFETCH(QString, options);
        QFETCH(QStringList, names);

        QStringList photos = CopyPhotos("Holiday", 3);
        if (photos.isEmpty())
            QSKIP("the shared photos are not there");
        // The third photo lives in another folder.
        QDir().mkpath(root + "/Other");
        QVERIFY(QFile::rename(photos[2], root + "/Other/DSCN0021.jpg"));
        photos[2] = root + "/Other/DSCN0021.jpg";
        if (options.contains("raw")) {
            DngSpec dng;
            dng.colour = [](int, int) { return std::array<double, 3>{0.4, 0.5, 0.6}; };
            QVERIFY(WriteDng(root + "/Holiday/raw.dng", dng));
            photos << root + "/Holiday/raw.dng";
        }
        // No render is needed for names.
        ShowStep2();
        Find<QCheckBox>("checkShowPreview")->click();
        AddPhotos(photos);

        if (options.contains("rotate"))
            Filters() = {RotateRecord(90)};
        if (options.contains("keep"))
            profile->OutputFormat = KeepFormatText();
        if (options.contains("png"))
            profile->OutputFormat = "PNG";
        profile->DefaultFormat = "PNG";
        if (preset < 3) {
            panel->on_comboPreset_activated(preset);
        } else {
            profile->FilenameFormat = pattern;
            if (options.contains("iso"))
                profile->DateFormat = 10;
            if (options.contains("24h"))
                profile->ShowTime = 1;
            if (options.contains("seconds"))
                profile->TimeFormat = 1;
            if (options.contains("reset")) {
                profile->CounterReset = true;
                profile->CounterStart = 5;
                profile->CountStep = 2;
                profile->CounterDigits = 3;
            }
            if (options.contains("capitals"))
                profile->ChangeCase = 3;
            if (options.contains("replace")) {
                profile->SearchFor = "dscn";
                profile->ReplaceWith = "Pic";
            }
            // The renaming dialog's OK takes the fields as they stand.
            WhenModal<CDialogRename>(this, [](CDialogRename* dialog) { dialog->accept(); });
            Find<QCommandLinkButton>("buttonCustom")->click();
            QCOMPARE(profile->PresetRename, 3);
        }
        const QStringList previewed = PreviewNames();
        QCOMPARE(Sorted(previewed), names);

        // The same job as a silent script.
        const QString out = root + "/out";
        profile->DestPath = out;
        profile->Destination = 1;
        profile->OutputFolderStruct = 0;
        profile->OpenOutputFolder = false;
        profile->DisableNotifications = true;
        const QString script = root + "/job.gbs";
        QVERIFY(CScripts(script).Save(3));
        QFile file(script);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QString text = QString::fromUtf8(file.readAll());
        file.close();
        text.replace("<Script Version=\"1\">", "<Script Version=\"1\" Mode=\"Silent\">");
        QVERIFY(WriteFile(script, text.toUtf8()));
        const RunResult run = RunProgram({script}, root, TestEnv::NewFolder("run"), 120000);
        QVERIFY2(run.finished && run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(Sorted(QDir(out).entryList(QDir::Files)), Sorted(previewed));
    }
};

GB_TEST_MAIN(TestPanel2)
#include "tst_panel2.moc"
