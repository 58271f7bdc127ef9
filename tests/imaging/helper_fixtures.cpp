#include "ImagingFixtures.h"

#include "CICCProfiles.h"

#include <Magick++.h>

#include <QFile>
#include <QProcess>

namespace Fixtures {

bool MakeJpeg(const QString& path, int width, int height, const QString& colour)
{
    try {
        Magick::Image image(Magick::Geometry(size_t(width), size_t(height)), Magick::Color(colour.toStdString()));
        image.depth(8);
        image.quality(95);
        image.write("JPEG:" + path.toStdString());
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool MakeCmykJpeg(const QString& path, int width, int height, const QString& colour, bool embedProfile)
{
    try {
        Magick::Image image(Magick::Geometry(size_t(width), size_t(height)), Magick::Color(colour.toStdString()));
        image.depth(8);
        if (embedProfile) {
            Magick::Image srgb, cmyk;
            srgb.read(CICCProfiles::SRGBPath().toStdString());
            cmyk.read(CICCProfiles::CMYKPath().toStdString());
            image.profile("icc", srgb.profile("icc"));
            image.profile("icc", cmyk.profile("icc"));
        } else {
            image.colorSpace(MagickCore::CMYKColorspace);
        }
        image.quality(95);
        image.write("JPEG:" + path.toStdString());
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool Truncate(const QString& path, double fraction)
{
    QFile file(path);
    return file.resize(qint64(double(file.size()) * fraction));
}

QString Exiftool(const QStringList& arguments, bool* ok)
{
    QProcess process;
    process.start("exiftool", arguments);
    const bool finished = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
    if (!finished && process.state() != QProcess::NotRunning)
        process.kill();
    if (ok)
        *ok = finished;
    return finished ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}

} // namespace Fixtures
