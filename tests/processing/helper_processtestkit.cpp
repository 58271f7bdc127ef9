#include "ProcessTestKit.h"

#include "CListFilters.h"
#include "CListImages.h"
#include "CProcessController.h"
#include "CUserProfile.h"
#include "TestEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>

namespace ProcessTestKit {

void ResetJob(const QString& destPath)
{
    CUserProfile::DeleteInstance();
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->DestPath = destPath;
    profile->OutputFormat = "PNG";
    profile->OutputFolderStruct = 0;
    profile->HideProcessing = true;
    profile->OpenOutputFolder = false;
    profile->useMulticore = false;
    profile->processLog = true;
    profile->scriptRun = true;
    profile->FilenameFormat = "[Filename]";
    profile->PresetRename = 3;
    CListFilters::GetInstance()->list.clear();
    CListImages::GetInstance()->list.clear();
}

QString NewJob(const QString& name)
{
    const QString root = TestEnv::NewFolder(name);
    QDir().mkpath(root + "/out");
    ResetJob(root + "/out");
    return root;
}

QString MakePhoto(const QString& folder, const QString& name, int width, int height, QRgb tint)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb((qRed(tint) + x * 7) % 256, (qGreen(tint) + y * 11) % 256,
                                      (qBlue(tint) + x * y) % 256));
        }
    }
    QDir().mkpath(folder);
    const QString path = folder + "/" + name;
    image.save(path, nullptr, 95);
    return path;
}

QString MakeMultipageTiff(const QString& folder, const QString& name, int pages)
{
    QStringList arguments;
    for (int i = 0; i < pages; ++i)
        arguments << "-size" << "20x10" << QString("xc:rgb(%1,60,90)").arg(40 * (i + 1));
    const QString path = folder + "/" + name;
    arguments << "-depth" << "8" << path;
    QProcess process;
    process.start("convert", arguments);
    process.waitForFinished(60000);
    return path;
}

void SetPhotos(const QStringList& paths)
{
    QList<SImageRecord>& list = CListImages::GetInstance()->list;
    list.clear();
    for (const QString& path : paths) {
        const QFileInfo info(path);
        SImageRecord record;
        record.path = path;
        record.folder = info.absolutePath();
        record.baseName = info.completeBaseName();
        record.extension = info.suffix();
        record.key = list.size();
        list.append(record);
    }
}

SFilterRecord Filter(quint32 id, const QString& name, bool active)
{
    SFilterRecord record;
    record.filterId = id;
    record.name = name;
    record.active = active ? 1 : 0;
    return record;
}

void SetFilters(const QList<SFilterRecord>& records)
{
    CListFilters::GetInstance()->list = records;
}

std::unique_ptr<CProcessController> Run()
{
    auto controller = std::make_unique<CProcessController>();
    QSignalSpy finished(controller.get(), &CProcessController::RunFinished);
    if (!controller->IsRunFinished() && !finished.wait(120000))
        return nullptr;
    // A server delivery ends later; wait for it too.
    if (!controller->IsDeliveryFinished()) {
        QSignalSpy closed(controller.get(), &QDialog::finished);
        closed.wait(30000);
    }
    return controller;
}

QStringList FilesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

namespace {
// Every pixel pair (8-bit RGB) of two same-size images passes `match`.
template <typename Match> bool EveryPixel(const QImage& a, const QImage& b, Match match)
{
    if (a.size() != b.size() || a.isNull())
        return false;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col)
            if (!match(x.pixel(col, row) & 0xFFFFFF, y.pixel(col, row) & 0xFFFFFF))
                return false;
    return true;
}
} // namespace

bool IsNegativeOf(const QImage& a, const QImage& b)
{
    return EveryPixel(a, b, [](QRgb p, QRgb q) { return p == (~q & 0xFFFFFF); });
}

bool SamePixels(const QImage& a, const QImage& b)
{
    return EveryPixel(a, b, [](QRgb p, QRgb q) { return p == q; });
}

} // namespace ProcessTestKit
