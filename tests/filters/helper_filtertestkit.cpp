#include "FilterTestKit.h"

#include <QFile>
#include <QProcess>

#include <cstdlib>

namespace FilterTestKit {

QString MakePatternPng(const QString& folder, const QString& name, int width, int height)
{
    std::vector<unsigned char> pixels(size_t(width) * size_t(height) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            unsigned char* p = &pixels[(size_t(y) * width + x) * 3];
            p[0] = static_cast<unsigned char>((x * 255) / (width - 1));
            p[1] = static_cast<unsigned char>((y * 255) / (height - 1));
            p[2] = static_cast<unsigned char>(((x / 5 + y / 5) % 2) ? 220 : 30);
        }
    }
    Magick::Image image;
    image.read(width, height, "RGB", Magick::CharPixel, pixels.data());
    image.depth(8);
    const QString path = folder + "/" + name;
    image.write(path.toStdString());
    return path;
}

QString MakeFlatPng(const QString& folder, const QString& name, const QString& colour, int width,
                    int height)
{
    const QString path = folder + "/" + name;
    RunConvert({"-size", QString("%1x%2").arg(width).arg(height), "xc:" + colour, "-depth", "8",
                "PNG24:" + path});
    return path;
}

Magick::Image Load(const QString& path)
{
    Magick::Image image;
    image.read(path.toStdString());
    return image;
}

QSize SizeOf(const Magick::Image& image)
{
    return QSize(int(image.columns()), int(image.rows()));
}

bool RunConvert(const QStringList& arguments, QString* errorText)
{
    QProcess process;
    process.start("convert", arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        if (errorText)
            *errorText = "convert timed out";
        return false;
    }
    if (errorText)
        *errorText = QString::fromLocal8Bit(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

std::vector<unsigned char> Rgba8(const Magick::Image& image)
{
    std::vector<unsigned char> pixels(image.columns() * image.rows() * 4);
    const_cast<Magick::Image&>(image).write(0, 0, image.columns(), image.rows(), "RGBA",
                                            Magick::CharPixel, pixels.data());
    return pixels;
}

int MaxDifference8(const Magick::Image& a, const Magick::Image& b)
{
    if (a.columns() != b.columns() || a.rows() != b.rows())
        return -1;
    const std::vector<unsigned char> pa = Rgba8(a);
    const std::vector<unsigned char> pb = Rgba8(b);
    int worst = 0;
    for (size_t i = 0; i < pa.size(); ++i)
        worst = std::max(worst, std::abs(int(pa[i]) - int(pb[i])));
    return worst;
}

SFilterRecord Record(quint32 id, const QList<double>& params)
{
    SFilterRecord record;
    record.filterId = id;
    record.numParams = static_cast<quint8>(params.size());
    for (int i = 0; i < params.size() && i < SFilterRecord::MaxParams; ++i)
        record.params[i] = params[i];
    record.active = 1;
    return record;
}

bool ApplyRecord(Magick::Image& image, const SFilterRecord& record)
{
    CImageFilters engine;
    engine.SetTarget(&image);
    engine.SetRecord(record);
    return engine.Apply();
}

SFilterRecord WithParams(SFilterRecord record, std::initializer_list<std::pair<int, double>> params)
{
    for (const auto& [index, value] : params)
        record.params[index] = value;
    return record;
}

QString Num(double value)
{
    return QString::number(value, 'g', 15);
}

} // namespace FilterTestKit
