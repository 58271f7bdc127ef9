#include "AppTestKit.h"

#include "CPromptSeam.h"
#include "Common.h"
#include "MainWindow.h"
#include "TestEnv.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>

#include <memory>
#include <vector>

namespace AppTestKit {

namespace {
QString Escaped(QString text)
{
    return text.replace('&', "&amp;").replace('<', "&lt;").replace('>', "&gt;").replace('"', "&quot;");
}

QString FiltersBlock(const QList<int>& ids)
{
    QString text = "\t<Filters>\n";
    for (int id : ids)
        text += QString("\t\t<Filter Id=\"%1\">\n\t\t</Filter>\n").arg(id);
    return text + "\t</Filters>\n\n";
}
} // namespace

QString ScriptText(const ScriptSetup& setup)
{
    QString text = "<?xml version=\"1.0\" encoding=\"utf-16\"?>\n";
    text += QString("<Script Version=\"1\"%1>\n\n").arg(setup.silent ? " Mode=\"Silent\"" : "");
    text += QString("\t<Properties Class=\"Script\">\n"
                    "\t\t<Property Name=\"DisableNotifications\">%1</Property>\n"
                    "\t\t<Property Name=\"HideProcessing\">0</Property>\n"
                    "\t</Properties>\n\n")
                .arg(setup.disableNotifications ? 1 : 0);
    text += "\t<Images>\n";
    for (const QString& photo : setup.photos)
        text += "\t\t<Image Path=\"" + Escaped(photo) + "\" />\n";
    for (const QString& search : setup.searches)
        text += "\t\t<Search Path=\"" + Escaped(search) + "\" Subfolders=\"0\" />\n";
    text += "\t</Images>\n\n";
    text += FiltersBlock(setup.filterIds);
    QString destination = "1";
    QString extra;
    for (const auto& [name, value] : setup.output) {
        if (name == "Destination")
            destination = value;
        else
            extra += "\t\t<Property Name=\"" + name + "\">" + Escaped(value) + "</Property>\n";
    }
    text += "\t<Properties Class=\"Output\">\n"
            "\t\t<Property Name=\"Destination\">" + destination + "</Property>\n";
    text += QString("\t\t<Property Name=\"OutputFolderStruct\">%1</Property>\n").arg(setup.folderStruct);
    text += "\t\t<Property Name=\"DestPath\">" + Escaped(setup.destPath) + "</Property>\n";
    text += QString("\t\t<Property Name=\"DeleteSource\">%1</Property>\n").arg(setup.deleteSource ? 1 : 0);
    text += "\t\t<Property Name=\"OpenOutputFolder\">0</Property>\n" + extra +
            "\t</Properties>\n\n";
    text += "\t<Properties Class=\"Format\">\n"
            "\t\t<Property Name=\"OutputFormat\">" + setup.format + "</Property>\n"
            "\t</Properties>\n\n";
    return text + "</Script>\n";
}

QString ProfileText(const QString& name)
{
    QString text = "<?xml version=\"1.0\" encoding=\"utf-16\"?>\n";
    text += name.isNull() ? QString("<Profile Version=\"1\">\n\n")
                          : QString("<Profile Version=\"1\" Name=\"%1\">\n\n").arg(Escaped(name));
    text += FiltersBlock({3080});
    return text + "</Profile>\n";
}

bool WriteFile(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(text) == text.size();
}

QString ProgramPath()
{
    return QString(GB_TEST_BINARY_DIR) + "/bin/glimmerbox";
}

namespace {
// A fresh HOME, settings store, runtime and temporary folder under `sandbox`
// and the offscreen platform; `home` gets the HOME.
QProcessEnvironment SandboxEnvironment(const QString& sandbox, const QStringList& unset, QString& home)
{
    home = sandbox + "/home";
    QDir().mkpath(home + "/Pictures");
    QDir().mkpath(home + "/Documents");
    QDir().mkpath(sandbox + "/tmp");
    QDir().mkpath(sandbox + "/runtime");
    QFile::setPermissions(sandbox + "/runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home);
    env.insert("XDG_CONFIG_HOME", home + "/.config");
    env.insert("XDG_DATA_HOME", home + "/.local/share");
    env.insert("XDG_CACHE_HOME", home + "/.cache");
    env.insert("XDG_RUNTIME_DIR", sandbox + "/runtime");
    env.insert("TMPDIR", sandbox + "/tmp");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.remove("GLIMMERBOX_OPENER");
    env.remove("GLIMMERBOX_UPDATE_URL");
    for (const QString& name : unset)
        env.remove(name);
    return env;
}

// Waits for a started program (killed after `timeoutMs`) and takes its
// status and output into `result`.
void Finish(QProcess& process, int timeoutMs, RunResult& result)
{
    result.finished = process.waitForFinished(timeoutMs);
    if (!result.finished) {
        process.kill();
        process.waitForFinished(5000);
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    // Trace lines start with the time; keep the rest.
    static const QRegularExpression trace("^\\d\\d:\\d\\d:\\d\\d\\.\\d+ ");
    QStringList kept;
    QStringList traceLines;
    for (const QString& line : QString::fromUtf8(process.readAllStandardError()).split('\n')) {
        if (trace.match(line).hasMatch())
            traceLines.append(line);
        else if (!line.trimmed().isEmpty())
            kept.append(line);
    }
    result.err = kept.join('\n');
    result.trace = traceLines.join('\n');
}
} // namespace

RunResult RunProgram(const QStringList& arguments, const QString& workDir, const QString& sandbox,
                     int timeoutMs, const QStringList& unset, const QString& program)
{
    RunResult result;
    QProcess process;
    process.setProcessEnvironment(SandboxEnvironment(sandbox, unset, result.home));
    process.setWorkingDirectory(workDir);
    process.start(program.isEmpty() ? ProgramPath() : program, arguments);
    if (!process.waitForStarted(10000))
        return result;
    Finish(process, timeoutMs, result);
    return result;
}

RunResult RunProgramAs(const OrdinaryUser::SAccount& account, const QStringList& arguments,
                       const QString& workDir, const QString& sandbox, int timeoutMs,
                       const QList<QPair<QString, QString>>& variables)
{
    RunResult result;
    OrdinaryUser::OpenSandbox();
    QProcessEnvironment env = SandboxEnvironment(sandbox, {}, result.home);
    OrdinaryUser::GiveTo(sandbox, account);
    env.insert("GLIMMERBOX_RESOURCES", OrdinaryUser::Reachable(qEnvironmentVariable("GLIMMERBOX_RESOURCES")));
    for (const auto& [name, value] : variables)
        env.insert(name, value);
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(workDir);
    OrdinaryUser::RunAs(process, account);
    process.start(OrdinaryUser::Reachable(ProgramPath()), arguments);
    if (!process.waitForStarted(10000))
        return result;
    Finish(process, timeoutMs, result);
    return result;
}

QList<RunResult> RunTogether(const QList<QStringList>& argumentLists, const QString& workDir,
                             const QString& sandbox, int timeoutMs,
                             const QList<QPair<QString, QString>>& variables)
{
    QList<RunResult> results(argumentLists.size());
    std::vector<std::unique_ptr<QProcess>> processes;
    QString home;
    QProcessEnvironment env = SandboxEnvironment(sandbox, {}, home);
    for (const auto& [name, value] : variables)
        env.insert(name, value);
    for (const QStringList& arguments : argumentLists) {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(workDir);
        process->start(ProgramPath(), arguments);
        processes.push_back(std::move(process));
    }
    for (size_t i = 0; i < processes.size(); ++i) {
        results[qsizetype(i)].home = home;
        if (processes[i]->waitForStarted(10000))
            Finish(*processes[i], timeoutMs, results[qsizetype(i)]);
    }
    return results;
}

QStringList CopySharedPhotos(const QString& folder, int count)
{
    QStringList copies;
    const QString shared = TestEnv::SharedPhotos();
    if (shared.isEmpty())
        return copies;
    const QStringList names = QDir(shared + "/jpg/gps").entryList({"*.jpg"}, QDir::Files, QDir::Name);
    QDir().mkpath(folder);
    for (const QString& name : names) {
        if (copies.size() >= count)
            break;
        const QString target = folder + "/" + name;
        if (QFile::copy(shared + "/jpg/gps/" + name, target))
            copies.append(target);
    }
    return copies;
}

int FormatItem(const QComboBox* combo, const QString& id)
{
    for (int i = 0; i < combo->count(); ++i) {
        const QString text = combo->itemText(i);
        if (text == id || text.startsWith(id + " - "))
            return i;
    }
    return -1;
}

std::unique_ptr<MainWindow> StartWindow(const QString& file)
{
    auto window = std::make_unique<MainWindow>(nullptr);
    if (!file.isNull())
        window->StartLoadingFileWindows(file);
    window->show();
    return window;
}

QSettings Store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, OrganizationName(), ApplicationName());
}

void ResetStore(const QList<QPair<QString, QVariant>>& values)
{
    QSettings store = Store();
    store.clear();
    for (const auto& [key, value] : values)
        store.setValue(key, value);
    store.sync();
}

void RecordPrompts(QStringList* warnings, QStringList* questions, const bool* answer)
{
    warnings->clear();
    questions->clear();
    CPromptSeam::SetWarningAnswerer([warnings](const QString& text) { *warnings << text; });
    CPromptSeam::SetQuestionAnswerer([questions, answer](const QString& text) {
        *questions << text;
        return answer ? *answer : true;
    });
}

void ModalGuard::Start(int ticks)
{
    unanswered.clear();
    timer.disconnect();
    QObject::connect(&timer, &QTimer::timeout, &timer, [this, ticks] {
        QWidget* modal = QApplication::activeModalWidget();
        stuckTicks = modal && modal == stuck ? stuckTicks + 1 : 0;
        stuck = modal;
        if (auto* dialog = qobject_cast<QDialog*>(modal); dialog && stuckTicks >= ticks) {
            unanswered << dialog->metaObject()->className();
            dialog->reject();
        }
    });
    timer.start(500);
}

} // namespace AppTestKit
