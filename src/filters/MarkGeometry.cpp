#include "MarkGeometry.h"

#include <QDir>

#include <algorithm>
#include <cmath>

namespace MarkGeometry {

PathParts SplitPath(const QString& path)
{
    PathParts parts;
    const int slash = path.lastIndexOf('/');
    parts.fileName = slash < 0 ? path : path.mid(slash + 1);
    const int nameDot = parts.fileName.lastIndexOf('.');
    parts.baseName = nameDot < 0 ? parts.fileName : parts.fileName.left(nameDot);
    const int dot = path.lastIndexOf('.');
    parts.extension = dot < 0 ? path : path.mid(dot + 1);
    parts.folderPath = slash < 0 ? path : path.left(slash);
    const int folderSlash = parts.folderPath.lastIndexOf('/');
    parts.folderName = folderSlash < 0 ? parts.folderPath : parts.folderPath.mid(folderSlash + 1);
    return parts;
}

namespace {
QString Density(double value)
{
    return QString::asprintf("%g", value);
}
} // namespace

QString ExpandTags(const QString& text, const QString& path, const SImageProperties& p)
{
    const PathParts parts = SplitPath(path);
    const struct
    {
        const char* tag;
        QString value;
    } tags[] = {
        {"[Copyright]", QString(QChar(0x00A9))},
        {"[Registered]", QString(QChar(0x00AE))},
        {"[Trademark]", QString(QChar(0x2122))},
        {"[Servicemark]", QString(QChar(0x2120))},
        {"[Filename]", parts.baseName},
        {"[Ext]", parts.extension},
        {"[Folder]", parts.folderName},
        {"[Path]", QDir::toNativeSeparators(path)},
        {"[OriginArtist]", p.artist},
        {"[OriginCopyright]", p.copyright},
        {"[OriginDate]", p.dateTimeOriginal},
        {"[ImageDimensions]", QString("%1 x %2").arg(p.width).arg(p.height)},
        {"[ImageResolution]", Density(p.densityX) + " dpi x " + Density(p.densityY) + " dpi"},
        {"[CameraMaker]", p.cameraMake},
        {"[CameraModel]", p.cameraModel},
        {"[CameraFstop]", p.fNumber},
        {"[CameraExposure]", p.exposure},
        {"[CameraISO]", p.iso},
        {"[CameraFocalLength]", p.focalLength},
        {"[CameraFlash]", p.flash},
        {"[GPSLatitude]", p.gpsLatitude},
        {"[GPSLongitude]", p.gpsLongitude},
        {"[GPSAltitude]", p.gpsAltitude},
    };

    // Every tag starts with "[" and holds no "]" before its end, so at most
    // one tag can start at any position.
    QString result;
    result.reserve(text.size());
    int i = 0;
    while (i < text.size()) {
        bool replaced = false;
        if (text.at(i) == QLatin1Char('[')) {
            for (const auto& entry : tags) {
                const QLatin1String tag(entry.tag);
                if (QStringView(text).mid(i).startsWith(tag)) {
                    result += entry.value;
                    i += tag.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced)
            result += text.at(i++);
    }
    return result;
}

int AlphaReduction(double percent)
{
    return std::clamp(Int(percent * 255.0 / 100.0), 0, 255);
}

int AlphaFromTransparency(double percent)
{
    return 255 - AlphaReduction(percent);
}

double OpacityFromTransparency(int percent)
{
    // In 64 bits: the percentage may be any int a job file holds.
    return double(std::clamp<qint64>(100 - qint64(percent), 0, 100)) / 100.0;
}

int BlurRadius(double value)
{
    return Int(value * 18.0 / 11.0);
}

int FontPixelSize(double size)
{
    const double points = std::fabs(double(Int(size))) * 2.5;
    return std::max(1, Int(points));
}

QColor OpaqueColor(double stored)
{
    const qint64 value = std::isfinite(stored) ? qint64(std::fmod(stored, 4294967296.0)) : 0;
    return QColor::fromRgb(QRgb(quint32(value) | 0xff000000u));
}

bool PictureFits(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width <= MaxPictureSide && height <= MaxPictureSide
        && width * height <= MaxPicturePixels;
}

QPoint PlaceOnGrid(int placement, qint64 areaWidth, qint64 areaHeight, int pw, int ph, double mx, double my)
{
    const double fx = double(areaWidth - pw);
    const double fy = double(areaHeight - ph);
    if (placement < 0 || placement > 8)
        placement = 0;
    const int column = placement % 3;
    const int row = placement / 3;
    const double x = column == 0 ? mx : column == 1 ? mx + fx / 2 : fx - mx;
    const double y = row == 0 ? my : row == 1 ? my + fy / 2 : fy - my;
    // Far enough off any photo, and far enough from the int limits that the
    // preview's offsets and the picture's size can still be added.
    const double far = double(MaxPlacementOffset);
    return QPoint(Int(std::clamp(x, -far, far)), Int(std::clamp(y, -far, far)));
}

namespace {
// trunc(v), with values within rounding noise of a whole number taken as
// that number, so that exact angles give exact offsets.
int TruncClean(double v)
{
    const double nearest = std::round(v);
    if (std::fabs(v - nearest) < 1e-9)
        v = nearest;
    return Int(v);
}
} // namespace

QPoint ShadowOffset(int distance, int size, int angle)
{
    const double d = double(Int(double(distance) * double(size) / 100.0));
    const qint64 degrees = (qint64(angle) + 90) % 360;
    const double t = double(degrees) * M_PI / 180.0;
    return QPoint(TruncClean(d * std::cos(t)), TruncClean(d * std::sin(t)));
}

Tiling ComputeTiling(qint64 width, qint64 height, qint64 pw, qint64 ph, double spacingX, double spacingY)
{
    const qint64 sx = std::clamp(Int(spacingX), 0, 100);
    const qint64 sy = std::clamp(Int(spacingY), 0, 100);
    Tiling tiling;
    tiling.stepX = pw + (width - pw) * sx / 100;
    tiling.stepY = ph + (height - ph) * sy / 100;
    if (tiling.stepX <= 0 || tiling.stepY <= 0 || width <= 0 || height <= 0) {
        tiling = Tiling();
        return tiling;
    }
    tiling.columns = width / tiling.stepX + 1;
    tiling.rows = height / tiling.stepY + 1;
    return tiling;
}

} // namespace MarkGeometry
