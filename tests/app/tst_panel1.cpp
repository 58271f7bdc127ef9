// The step 1 panel in the main window, along the roads a user takes:
// adding (files, folders, the search, drops), removing, reordering and
// sorting, with the unsupported-files dialog and the title mark, and which
// photos the views read again when they are rebuilt.
#include "AppTestKit.h"
#include "CControlImage.h"
#include "CDialogSearch.h"
#include "CDialogUnsupportedFormat.h"
#include "CListImages.h"
#include "CListThumb.h"
#include "CListThumbDetails.h"
#include "CMainPanel1.h"
#include "CMainPanel2.h"
#include "CPromptSeam.h"
#include "CTextWidget.h"
#include "CUserProfile.h"
#include "Common.h"
#include "MainWindow.h"
#include "TestEnv.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMutexLocker>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

#include <unistd.h>

namespace {
void WriteJpeg(const QString& path, QColor colour = Qt::darkCyan)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(32, 24, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path, "JPG"));
}

void Touch(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("text");
}

QList<SImageRecord>& Photos()
{
    return CListImages::GetInstance()->list;
}

QStringList PhotoNames()
{
    QStringList names;
    for (const SImageRecord& record : Photos())
        names << record.baseName + "." + record.extension;
    return names;
}

// Answers whatever modal window or popup menu comes up, until stopped.
class Answerer : public QObject
{
public:
    using Handler = std::function<bool(QWidget*)>; // true: handled
    explicit Answerer(Handler handler) : handle(std::move(handler))
    {
        connect(&timer, &QTimer::timeout, this, [this] {
            // A dialog opened from a menu's entry comes before the menu.
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                modal = QApplication::activePopupWidget();
            if (!modal || modal == last)
                return;
            const QPointer<QWidget> previous = last;
            last = modal; // handlers may open the next window
            if (!handle(modal))
                last = previous;
        });
        timer.start(20);
    }
    Handler handle;
    QTimer timer;
    QPointer<QWidget> last;
};

// Every photo of the step 1 list has its details.
bool AllDetailed(CMainPanel1* panel)
{
    QMutexLocker locker(panel->photoListView->Mutex());
    const QList<SThumb>& records = *panel->photoListView->Records();
    return std::all_of(records.begin(), records.end(), [](const SThumb& record) { return record.detailed; });
}

// The views show the photo list: each row's record is that row's photo.
void CheckViewsFollowPhotos(CMainPanel1* panel)
{
    CListThumb* list = panel->photoListView;
    QMutexLocker locker(list->Mutex());
    QCOMPARE(list->RowMap()->size(), Photos().size());
    QCOMPARE(list->count(), int(Photos().size()));
    for (int row = 0; row < Photos().size(); ++row) {
        QCOMPARE(list->Records()->at(list->RowMap()->at(row)).path, Photos()[row].path);
        QCOMPARE(Photos()[row].key, qint64(row));
    }
}
} // namespace

class TestPanel1 : public QObject
{
    Q_OBJECT

    QStringList warnings;
    QStringList questions;
    std::unique_ptr<MainWindow> window;
    CMainPanel1* panel = nullptr;
    QString root;
    // Closes a dialog that no test answers, so that a fault fails the test
    // instead of hanging it.
    AppTestKit::ModalGuard guard;

private slots:
    void init()
    {
        AppTestKit::ResetStore({{"Settings/LaunchCounter", 4}, {"Settings/Settings.ShowStartupWizard", 0}});
        AppTestKit::RecordPrompts(&warnings, &questions);
        guard.Start(10);
        window = std::make_unique<MainWindow>(nullptr);
        window->show();
        panel = window->Panel1();
        root = TestEnv::NewFolder("photos");
    }

    void cleanup()
    {
        guard.Stop();
        QVERIFY2(guard.unanswered.isEmpty(), qPrintable(guard.unanswered.join(", ")));
        window.reset();
        CPromptSeam::Reset();
    }

    // Duplicates are refused quietly; unreadable files are listed once.
    void duplicatesAndUnsupportedFiles()
    {
        WriteJpeg(root + "/a.jpg");
        Touch(root + "/notes.txt");
        QStringList listed;
        Answerer answer([&](QWidget* modal) {
            if (!qobject_cast<CDialogUnsupportedFormat*>(modal))
                return false;
            listed << modal->findChild<QPlainTextEdit*>("textFiles")->toPlainText();
            static_cast<QDialog*>(modal)->accept();
            return true;
        });
        panel->ListThumbDragDropFiles({root + "/a.jpg", root + "/a.jpg", root + "/notes.txt"});
        panel->ListThumbDragDropFiles({root + "/a.jpg"});
        QCOMPARE(PhotoNames(), QStringList{"a.jpg"});
        QCOMPARE(listed, QStringList{QDir::toNativeSeparators(root + "/notes.txt")});
        QTRY_VERIFY(window->windowTitle().endsWith("*"));
        QVERIFY(panel->changed);
        CheckViewsFollowPhotos(panel);
    }

    // A dropped folder: its own files. With subfolders (through the
    // button's menu and the folder dialog): every level, a link to a parent
    // folder entered once.
    void foldersDroppedAndWithSubfolders()
    {
        WriteJpeg(root + "/top.jpg");
        WriteJpeg(root + "/sub/mid.jpg");
        WriteJpeg(root + "/sub/deep/low.jpg");
        QVERIFY(QFile::link(root, root + "/sub/deep/up"));

        panel->ListThumbDragDropFiles({root});
        QCOMPARE(PhotoNames(), QStringList{"top.jpg"});

        Answerer answer([&](QWidget* modal) {
            if (auto* menu = qobject_cast<QMenu*>(modal)) {
                for (QAction* action : menu->actions())
                    if (action->text() == "F&older with Subfolders")
                        menu->setActiveAction(action);
                // Not from inside this timer's slot: a timer does not fire
                // again in the dialog the entry opens.
                QTimer::singleShot(0, menu, [menu] { QTest::keyClick(menu, Qt::Key_Return); });
                return true;
            }
            if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                dialog->setDirectory(root); // the folder shown is the one chosen
                QMetaObject::invokeMethod(dialog, "accept");
                return true;
            }
            return false;
        });
        QElapsedTimer timer;
        timer.start();
        window->findChild<QPushButton*>("buttonAdd")->click();
        QVERIFY(timer.elapsed() < 20000);
        QCOMPARE(PhotoNames(), (QStringList{"top.jpg", "mid.jpg", "low.jpg"}));
        QCOMPARE(GetRegistryString("GUI/Step1.AddFolderPath", ""), root);
        CheckViewsFollowPhotos(panel);
    }

    void searchFindsMaskInAnyCase()
    {
        WriteJpeg(root + "/a.jpg");
        WriteJpeg(root + "/b.png");
        WriteJpeg(root + "/in/c.JPG");
        Answerer answer([&](QWidget* modal) {
            auto* dialog = qobject_cast<CDialogSearch*>(modal);
            if (!dialog)
                return false;
            dialog->findChild<QLineEdit*>("editFolder")->setText(root);
            dialog->findChild<QComboBox*>("comboMask")->setCurrentText("*.JPG");
            dialog->findChild<QCheckBox*>("checkSubfolders")->setChecked(false);
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            return true;
        });
        panel->SearchAndAdd();
        QCOMPARE(PhotoNames(), QStringList{"a.jpg"});
    }

    // A dropped folder holding a photo whose name is not valid UTF-8: the
    // photo cannot be opened by name, so it is not added, and the person is
    // told which one, its bad byte shown as "\xFF".
    void droppedFolderNamesPhotoItCannotOpen()
    {
        WriteJpeg(root + "/good.jpg");
        const QByteArray odd = QFile::encodeName(root) + "/\xFF.jpg";
        // Qt's own removal of the sandbox cannot see such a name either.
        const auto removeOdd = qScopeGuard([&odd] { unlink(odd.constData()); });
        QVERIFY(QFile::copy(root + "/good.jpg", root + "/copy.jpg"));
        QVERIFY(std::rename(QFile::encodeName(root + "/copy.jpg").constData(), odd.constData()) == 0);
        panel->ListThumbDragDropFiles({root});
        QCOMPARE(PhotoNames(), QStringList{"good.jpg"});
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings.constFirst().endsWith(":\n\n" + root + "/\\xFF.jpg"), qPrintable(warnings.constFirst()));
    }

    void removingPhotos()
    {
        for (const char* name : {"p0", "p1", "p2", "p3", "p4"})
            WriteJpeg(root + "/" + name + ".jpg");
        panel->ListThumbDragDropFiles({root});
        QCOMPARE(Photos().size(), 5);

        // Nothing selected.
        panel->photoListView->clearSelection();
        panel->RemoveSelectedPhotos();
        QCOMPARE(warnings, QStringList{"No photos selected"});
        QCOMPARE(Photos().size(), 5);

        // Rows 2 and 3: the photo that followed them becomes current.
        panel->photoListView->clearSelection();
        panel->photoListView->item(2)->setSelected(true);
        panel->photoListView->item(3)->setSelected(true);
        panel->RemoveSelectedPhotos();
        QCOMPARE(questions, QStringList{"Remove selected photo(s) from the list?"});
        QCOMPARE(PhotoNames(), (QStringList{"p0.jpg", "p1.jpg", "p4.jpg"}));
        QCOMPARE(panel->photoListView->currentRow(), 2);
        QCOMPARE(CUserProfile::GetInstance()->previewPath, root + "/p4.jpg");
        QCOMPARE(CUserProfile::GetInstance()->previewIndex, 2);
        auto* preview = window->findChild<CControlImage*>("scrollImage");
        QTRY_COMPARE_WITH_TIMEOUT(preview->imagePath, root + "/p4.jpg", 10000);
        QTRY_VERIFY_WITH_TIMEOUT(preview->shown, 20000);
        CheckViewsFollowPhotos(panel);

        // The only photo left: the preview forgets it.
        panel->RemoveAllPhotos(false);
        panel->ListThumbDragDropFiles({root + "/p0.jpg"});
        panel->photoListView->item(0)->setSelected(true);
        panel->RemoveSelectedPhotos();
        QVERIFY(Photos().isEmpty());
        QVERIFY(CUserProfile::GetInstance()->previewPath.isEmpty());
        QCOMPARE(panel->photoListView->count(), 0);
        QVERIFY(preview->imagePath.isEmpty());
        QVERIFY(!preview->shown);
    }

    // With the switch off, choosing a photo shows nothing.
    void previewSwitchOff()
    {
        WriteJpeg(root + "/a.jpg");
        WriteJpeg(root + "/b.jpg");
        panel->ListThumbDragDropFiles({root});
        auto* preview = window->findChild<CControlImage*>("scrollImage");
        panel->photoListView->setCurrentRow(0); // a drop leaves the preview alone
        QTRY_VERIFY_WITH_TIMEOUT(preview->shown, 20000);
        QCOMPARE(preview->imagePath, root + "/a.jpg");
        // Step 2 has a switch of the same name: this panel's own.
        panel->findChild<QCheckBox*>("checkShowPreview")->click();
        QVERIFY(!CUserProfile::GetInstance()->Step1Preview);
        QCOMPARE(GetRegistryInt("GUI/Step1.ShowPreview", -1), 0);
        QVERIFY(!preview->shown);
        panel->photoListView->setCurrentRow(1);
        QTest::qWait(700);
        QVERIFY(preview->imagePath.isEmpty());
        QVERIFY(!preview->shown);
    }

    // With no photo the placeholder sits in the middle of the preview, even
    // where its picture is wider than the preview.
    void placeholderCentred()
    {
        auto* preview = window->findChild<CControlImage*>("scrollImage");
        auto* label = preview->findChild<QLabel*>("viewImage");
        QTRY_VERIFY_WITH_TIMEOUT(label->isVisible() && !label->pixmap().isNull(), 20000);
        QVERIFY(preview->imagePath.isEmpty());
        preview->ShowPlaceholder();
        QApplication::processEvents();
        const QPoint shown = label->mapTo(preview->viewport(), label->rect().center());
        const QPoint middle = preview->viewport()->rect().center();
        QVERIFY2((shown - middle).manhattanLength() <= 1,
                 qPrintable(QString("placeholder centre (%1, %2), preview centre (%3, %4)")
                                .arg(shown.x())
                                .arg(shown.y())
                                .arg(middle.x())
                                .arg(middle.y())));
    }

    // The zoom text of a tiny photo fits its label whole, and goes with the
    // picture when the preview is switched off or the photo removed; both
    // steps' labels have room for the largest zoom.
    void zoomTextFitsAndGoesWithThePicture()
    {
        QImage tiny(16, 16, QImage::Format_RGB32);
        tiny.fill(Qt::darkRed);
        QVERIFY(tiny.save(root + "/tiny.png"));
        panel->ListThumbDragDropFiles({root + "/tiny.png"});
        auto* preview = panel->findChild<CControlImage*>("scrollImage");
        auto* label = panel->findChild<QLabel*>("textZoomPercent");
        panel->photoListView->setCurrentRow(0);
        QTRY_VERIFY_WITH_TIMEOUT(preview->shown, 20000);
        const QString text = CControlImage::ZoomText(qRound(preview->zoom));
        QVERIFY2(preview->zoom > 1000, qPrintable(text)); // four digits at least
        QTRY_COMPARE(label->text(), text);
        const QString largest = CControlImage::ZoomText(CControlImage::LargestZoomPercent());
        for (QLabel* zoomLabel : window->findChildren<QLabel*>("textZoomPercent")) {
            const int room = zoomLabel->contentsRect().width();
            QVERIFY2(zoomLabel->fontMetrics().horizontalAdvance(largest) <= room,
                     qPrintable(QString("\"%1\" in %2 pixels").arg(largest).arg(room)));
        }

        panel->findChild<QCheckBox*>("checkShowPreview")->click();
        QTRY_VERIFY(label->text().isEmpty());
        panel->findChild<QCheckBox*>("checkShowPreview")->click();
        QTRY_VERIFY_WITH_TIMEOUT(preview->shown, 20000);
        QTRY_COMPARE(label->text(), text);
        panel->RemoveAllPhotos(false);
        QTRY_VERIFY(label->text().isEmpty());
    }

    // A remembered folder that has gone (the Pictures folder of a new
    // account, a folder deleted since): the dialog opens on the nearest
    // folder that exists, with no name typed in.
    void addPhotosOpensOnAnExistingFolder_data()
    {
        QTest::addColumn<QString>("remembered"); // "" : none, the Pictures folder
        QTest::addColumn<QString>("opened");     // "HOME" for the home folder
        QTest::newRow("no Pictures folder") << "" << "HOME";
        QTest::newRow("a folder deleted since") << "ROOT/2019/summer" << "ROOT";
    }

    void addPhotosOpensOnAnExistingFolder()
    {
        QFETCH(QString, remembered);
        QFETCH(QString, opened);
        QDir(GetMyPictures()).removeRecursively();
        QVERIFY(!QFileInfo::exists(GetMyPictures()));
        if (!remembered.isEmpty())
            SetRegistryString("GUI/Step1.AddPhotosPath", remembered.replace("ROOT", root));
        opened.replace("ROOT", root).replace("HOME", QDir::homePath());
        QString folder;
        QString name = "(no dialog)";
        Answerer answer([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (!dialog)
                return false;
            folder = dialog->directory().absolutePath();
            auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
            name = edit ? edit->text() : QString("(no name field)");
            dialog->reject();
            return true;
        });
        panel->AddPhotos();
        QCOMPARE(folder, opened);
        QCOMPARE(name, QString());
        QVERIFY(Photos().isEmpty());
    }

    // The Add... menu is drawn by the style, with its frame: the window's
    // background colour stays with the window.
    void addMenuHasItsFrame()
    {
        QImage shown;
        Answerer answer([&](QWidget* modal) {
            auto* menu = qobject_cast<QMenu*>(modal);
            if (!menu)
                return false;
            shown = menu->grab().toImage().convertToFormat(QImage::Format_RGB32);
            menu->close();
            return true;
        });
        window->findChild<QPushButton*>("buttonAdd")->click();
        QTRY_VERIFY(!shown.isNull());
        const int middle = shown.height() / 2;
        const QRgb edge = shown.pixel(0, middle);
        const QRgb inside = shown.pixel(shown.width() - 4, middle);
        QVERIFY2(edge != inside, qPrintable(QString("edge %1, inside %2").arg(edge, 0, 16).arg(inside, 0, 16)));
    }

    // Each tip at most once per run, and only in the first two launches.
    void tipsOnceInEarlyLaunches()
    {
        const auto tips = panel->findChildren<CTextWidget*>();
        QCOMPARE(tips.size(), 2);
        panel->ShowAddPhotoTip(); // fourth launch
        QVERIFY(!panel->tipAddPhoto->isVisible());

        CUserProfile::GetInstance()->launchCount = 2;
        panel->ShowAddPhotoTip();
        panel->ShowStep2Tip();
        QVERIFY(panel->tipAddPhoto->isVisible());
        QVERIFY(panel->tipStep2->isVisible());
        QCOMPARE(panel->tipAddPhoto->size(), QSize(247, 55));
        QCOMPARE(panel->tipStep2->Paragraphs(),
                 QList<QString>{"Go to Step 2 and define the edits you want to apply to your photos"});
        // A resize hides both; they do not come again.
        window->resize(window->width() + 20, window->height());
        QTRY_VERIFY(!panel->tipAddPhoto->isVisible() && !panel->tipStep2->isVisible());
        panel->ShowAddPhotoTip();
        panel->ShowStep2Tip();
        QVERIFY(!panel->tipAddPhoto->isVisible());
        QVERIFY(!panel->tipStep2->isVisible());
    }

    // Moves inside the list reach the photo list; the moved photos stay
    // selected.
    void dragInsideTheList()
    {
        for (const char* name : {"p0", "p1", "p2", "p3", "p4"})
            WriteJpeg(root + "/" + name + ".jpg");
        panel->ListThumbDragDropFiles({root});
        panel->photoListView->DropSelectedRows({2, 3}, 0);
        QTRY_COMPARE(PhotoNames(), (QStringList{"p2.jpg", "p3.jpg", "p0.jpg", "p1.jpg", "p4.jpg"}));
        QCOMPARE(panel->photoListView->currentRow(), 0);
        QCOMPARE(panel->photoListView->selectedItems().size(), 2);
        CheckViewsFollowPhotos(panel);
    }

    // A click on a details column sorts the photo list; the same photos stay
    // selected and every run key is the photo's row.
    void detailsSortKeepsSelection()
    {
        const QStringList names = {"delta", "Alpha", "charlie", "bravo"};
        for (const QString& name : names)
            WriteJpeg(root + "/" + name + ".jpg");
        panel->AddPhotos(QStringList{root + "/delta.jpg", root + "/Alpha.jpg", root + "/charlie.jpg",
                                     root + "/bravo.jpg"});
        panel->SynchronizeListImages(false, 0);
        panel->ChangeViewMode(0);
        auto* table = window->findChild<CListThumbDetails*>("listImagesDetails");
        QVERIFY(panel->DetailsShown());
        table->selectRow(0); // delta
        table->selectionModel()->select(table->model()->index(2, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows); // charlie
        table->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
        table->SortByColumn(0);
        QTRY_COMPARE(PhotoNames(), (QStringList{"Alpha.jpg", "bravo.jpg", "charlie.jpg", "delta.jpg"}));
        QStringList selected;
        for (const QModelIndex& index : table->selectionModel()->selectedRows(0))
            selected << Photos()[index.row()].baseName;
        selected.sort();
        QCOMPARE(selected, (QStringList{"charlie", "delta"}));
        for (int row = 0; row < table->rowCount(); ++row)
            QCOMPARE(table->item(row, 0)->text(), Photos()[row].baseName);
        QCOMPARE(CUserProfile::GetInstance()->detailsSortColumn, 0);
        CheckViewsFollowPhotos(panel);
    }

    // New photos are read off the window's thread. The views are rebuilt
    // from the photo list on every step change, view change, sort, undo and
    // redo; a photo is read again only when its file changed (size or
    // modification time), once for both views.
    void rebuildsReadOnlyChangedFiles()
    {
        const int count = 60;
        for (int i = 0; i < count; ++i)
            WriteJpeg(QString("%1/p%2.jpg").arg(root).arg(i, 2, 10, QChar('0')));
        CListThumb* strip = window->Panel2()->PhotoStrip();
        auto* table = window->findChild<CListThumbDetails*>("listImagesDetails");
        auto* undo = window->findChild<QAction*>("actionUndo");
        auto* redo = window->findChild<QAction*>("actionRedo");
        // New photos are read by the loader, not while the window waits.
        const int windowReads = CListThumb::WindowDetailReadCount();
        panel->ListThumbDragDropFiles({root});
        QCOMPARE(CListThumb::WindowDetailReadCount(), windowReads);
        QTRY_VERIFY(AllDetailed(panel));
        QTRY_COMPARE(strip->count(), count);
        const auto sortBy = [&](int column, Qt::SortOrder order) {
            table->horizontalHeader()->setSortIndicator(column, order);
            table->SortByColumn(column);
        };
        const QList<QPair<const char*, std::function<void()>>> actions = {
            {"step 2", [&] { window->ChangePanel(1); }},
            {"step 1", [&] { window->ChangePanel(0); }},
            {"details view", [&] { panel->ChangeViewMode(0); }},
            {"sort", [&] { sortBy(CListThumbDetails::ColumnName, Qt::DescendingOrder); }},
            {"undo", [&] { undo->trigger(); }},
            {"redo", [&] { redo->trigger(); }},
            {"icon view", [&] { panel->ChangeViewMode(2); }},
        };
        for (const auto& [name, action] : actions) {
            const int reads = CListThumb::DetailReadCount();
            action();
            // The strip follows through a queued signal.
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
            QVERIFY2(CListThumb::DetailReadCount() == reads,
                     qPrintable(QString("%1 read %2 photos again").arg(name).arg(CListThumb::DetailReadCount() - reads)));
            QCOMPARE(strip->count(), count);
            CheckViewsFollowPhotos(panel);
            if (panel->DetailsShown()) {
                QCOMPARE(table->rowCount(), count);
                for (int row = 0; row < count; ++row)
                    QCOMPARE(table->item(row, CListThumbDetails::ColumnName)->text(), Photos()[row].baseName);
            }
        }
        QCOMPARE(PhotoNames().constFirst(), QString("p59.jpg"));

        // One photo grows, another only gets a new time: both are read again
        // (once each, for both views), the others not.
        QImage bigger(64, 48, QImage::Format_RGB32);
        bigger.fill(Qt::red);
        QVERIFY(bigger.save(root + "/p10.jpg", "JPG"));
        QFile touched(root + "/p20.jpg");
        QVERIFY(touched.open(QIODevice::ReadWrite));
        QVERIFY(touched.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        touched.close();
        const int reads = CListThumb::DetailReadCount();
        undo->trigger();
        QCOMPARE(PhotoNames().constFirst(), QString("p00.jpg"));
        QTRY_VERIFY(AllDetailed(panel));
        QCOMPARE(CListThumb::DetailReadCount() - reads, 2);
        const auto dimensionsAt = [&](int row) {
            QMutexLocker locker(panel->photoListView->Mutex());
            return panel->photoListView->Records()->at(panel->photoListView->RowMap()->at(row)).dimensions;
        };
        QCOMPARE(dimensionsAt(10), QString("64 x 48"));
        QCOMPARE(dimensionsAt(11), QString("32 x 24"));

        // The table, hidden meanwhile, shows the restored order once shown.
        panel->ChangeViewMode(0);
        QCOMPARE(table->item(10, CListThumbDetails::ColumnDimensions)->text(), QString("64 x 48"));
        for (int row = 0; row < count; ++row)
            QCOMPARE(table->item(row, CListThumbDetails::ColumnName)->text(), Photos()[row].baseName);
    }
};

GB_TEST_MAIN(TestPanel1)
#include "tst_panel1.moc"
