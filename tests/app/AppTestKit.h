#pragma once

#include <QList>
#include <QPair>
#include <QPointer>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVariant>

#include <memory>

#include "OrdinaryUser.h"

class MainWindow;
class QComboBox;
class QWidget;

// Shared by the window and headless-run tests: job files written by hand,
// the program started as a child process under a timeout, and the set-up of
// the tests that drive the main window in process.
namespace AppTestKit {

struct ScriptSetup {
    QStringList photos;        // <Image Path="..."> entries
    QStringList searches;      // <Search Path="..."> entries (relative to the script)
    QString destPath;          // Output DestPath
    bool silent = true;        // Mode="Silent"
    QList<int> filterIds;      // filters without parameters
    int folderStruct = 0;      // OutputFolderStruct
    QString format = "JPG";    // OutputFormat
    bool disableNotifications = true; // DisableNotifications
    bool deleteSource = false;        // DeleteSource
    // Further properties of the Output block (Destination, OutputFolder,
    // FTPHost, ...), written after the ones above; Destination replaces 1.
    QList<QPair<QString, QString>> output;
};

// The XML text of a script.
QString ScriptText(const ScriptSetup& setup);
// Writes `text` to `path` (folders created); false when it cannot.
bool WriteFile(const QString& path, const QByteArray& text);
// A profile with an optional Name attribute and one filter (negate).
QString ProfileText(const QString& name);

struct RunResult {
    int exitCode = -1;
    bool finished = false; // ended by itself within the timeout
    QString out;
    QString err;           // without the trace lines
    QString trace;         // the trace lines alone
    QString home;          // the run's HOME
};

// Runs build/bin/glimmerbox (or `program`) with `arguments` in `workDir`,
// with a fresh HOME, settings store, runtime and temporary folder (all under
// `sandbox`) and the offscreen platform; killed after `timeoutMs`. The
// variables named in `unset` are removed from its environment
// (QT_QPA_PLATFORM too).
RunResult RunProgram(const QStringList& arguments, const QString& workDir, const QString& sandbox,
                     int timeoutMs = 60000, const QStringList& unset = {},
                     const QString& program = QString());

// RunProgram as ordinary user `account` (OrdinaryUser), whose sandbox it
// is: the program and its Resources folder are reached where that user can
// reach them, and `variables` are added to (or replace) the environment.
RunResult RunProgramAs(const OrdinaryUser::SAccount& account, const QStringList& arguments,
                       const QString& workDir, const QString& sandbox, int timeoutMs = 60000,
                       const QList<QPair<QString, QString>>& variables = {});

// Several copies of the program at once, started together in `workDir`
// with one sandbox as RunProgram makes it (so they share HOME and the
// temporary folder, as runs of one user do) and the `variables` added; each
// killed after `timeoutMs`. The results in the order of `argumentLists`.
QList<RunResult> RunTogether(const QList<QStringList>& argumentLists, const QString& workDir,
                             const QString& sandbox, int timeoutMs,
                             const QList<QPair<QString, QString>>& variables = {});

// Path of the program under test.
QString ProgramPath();

// Copies up to `count` JPEG photos of the shared photo set into `folder`;
// the copies' paths (empty when the set is absent).
QStringList CopySharedPhotos(const QString& folder, int count);

// The program's settings store (the sandbox's).
QSettings Store();
// A main window started the way main starts it, with `file` handed in
// (none where null), and shown.
std::unique_ptr<MainWindow> StartWindow(const QString& file = QString());

// The item of step 3's format list for a format id ("JPG" finds
// "JPG - JPEG ..."), or for the keep-original item; -1 where none.
int FormatItem(const QComboBox* combo, const QString& id);

// Clears the program's settings store (the sandbox's) and writes `values`
// (key, value) into it.
void ResetStore(const QList<QPair<QString, QVariant>>& values);

// Answers the prompts of the run from now on: warnings are appended to
// `warnings`, questions to `questions` and answered with `*answer` as it is
// when asked (yes without one). Both lists are cleared first.
void RecordPrompts(QStringList* warnings, QStringList* questions, const bool* answer = nullptr);

// Rejects a dialog that stays modal for `ticks` checks half a second apart,
// so that a fault fails the test instead of hanging it; `unanswered` names
// the dialogs it closed.
class ModalGuard
{
public:
    // Clears `unanswered` and starts the checks.
    void Start(int ticks);
    void Stop() { timer.stop(); }

    QStringList unanswered;

private:
    QTimer timer;
    QPointer<QWidget> stuck;
    int stuckTicks = 0;
};

} // namespace AppTestKit
