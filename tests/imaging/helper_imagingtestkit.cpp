#include "ImagingTestKit.h"

#include "CICCProfiles.h"

#include <Magick++.h>

#include <QFile>
#include <QProcess>

namespace ImagingTestKit {

bool RunTool(const QString& program, const QStringList& arguments, QString* output)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    if (output)
        *output = QString::fromUtf8(process.readAllStandardOutput());
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QString Identify(const QString& path, const QString& format)
{
    QString output;
    if (!RunTool("identify", {"-format", format, path + "[0]"}, &output))
        return QString();
    return output.trimmed();
}

QString MakePhotoPng(const QString& folder, const QString& name, int width, int height)
{
    const QString path = folder + "/" + name;
    const QString size = QString("%1x%2").arg(width).arg(height);
    RunTool("convert", {"-size", size, "gradient:red-blue", "(", "-size", size, "gradient:green-yellow",
                        "-rotate", "90", "-resize", size + "!", ")", "-compose", "plus", "-composite",
                        "-depth", "8", "PNG24:" + path});
    return path;
}

QByteArray FileStart(const QString& path, int bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.read(bytes);
}

QString Exiftool(const QStringList& arguments, bool* ok)
{
    QString output;
    const bool done = RunTool("exiftool", arguments, &output);
    if (ok)
        *ok = done;
    return done ? output : QString();
}

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

} // namespace ImagingTestKit
