#include "CIMImageCache.h"

#include "Common.h"
#include "MagickCompat.h"

#include <QFileInfo>

#include <new>

namespace {
QString Attribute(const Magick::Image& image, const char* key)
{
    return QString::fromUtf8(image.attribute(key).c_str());
}

void SetAttribute(Magick::Image& image, const char* key, const QString& value)
{
    image.attribute(key, value.toUtf8().toStdString());
}
} // namespace

CIMImageCache::FileStamp CIMImageCache::FileStamp::Of(const QString& path)
{
    FileStamp stamp;
    const QFileInfo info(path);
    if (!info.exists())
        return stamp;
    stamp.size = info.size();
    stamp.modified = info.lastModified().toMSecsSinceEpoch();
    return stamp;
}

CIMImageCache* CIMImageCache::GetInstance()
{
    // Created once, thread-safely, and kept until the process ends.
    static CIMImageCache* const instance = new CIMImageCache();
    return instance;
}

void CIMImageCache::Clear()
{
    const QMutexLocker locker(&m_lock);
    ClearLocked();
}

void CIMImageCache::ClearLocked()
{
    std::vector<unsigned char>().swap(m_pixels);
    m_path.clear();
    m_stamp = FileStamp();
}

bool CIMImageCache::Write(QString path, Magick::Image image, const SImageProperties& properties,
                          const FileStamp& stamp)
{
    SystemLogWrite("Write", "");
    const QMutexLocker locker(&m_lock);
    if (!m_path.isEmpty() && path == m_path && stamp == m_stamp)
        return false;
    ClearLocked();
    if (path.isEmpty() || stamp.size < 0 || !image.isValid())
        return false;

    SImageProperties cached = properties;
    cached.width = image.columns();
    cached.height = image.rows();
    cached.hasAlpha = MagickCompat::HasAlpha(image);
    cached.dateTimeOriginal = Attribute(image, "EXIF:DateTimeOriginal");
    cached.cameraMake = Attribute(image, "EXIF:Make").trimmed();
    cached.cameraModel = Attribute(image, "EXIF:Model").trimmed();
    cached.densityX = MagickCompat::XResolution(image);
    cached.densityY = MagickCompat::YResolution(image);
    cached.resolutionUnits = image.resolutionUnits() == MagickCore::PixelsPerCentimeterResolution ? 2 : 1;
    const int orientation = int(image.orientation());
    cached.orientation = orientation >= 2 && orientation <= 8 ? orientation : 1;

    const int channels = MagickCompat::ChannelCount(image);
    if (channels < 3) {
        SystemLogWrite("Write", "Image has less than 3 channels and we will not cache it!");
        return false;
    }
    const size_t n = size_t(cached.width) * size_t(cached.height) * 4;
    SystemLogWrite("Write", QString::asprintf("Size: %zu / channels: %d", n, 4));
    try {
        m_pixels.resize(n);
        image.write(0, 0, image.columns(), image.rows(), "RGBA", Magick::CharPixel, m_pixels.data());
    } catch (const std::bad_alloc&) {
        SystemLogWrite("Write", "- not enough memory for the cache entry");
        ClearLocked();
        return false;
    } catch (const Magick::Exception& error) {
        SystemLogWrite("Write", QString("- %1").arg(QString::fromUtf8(error.what())));
        ClearLocked();
        return false;
    }
    m_path = path;
    m_stamp = stamp;
    m_properties = cached;
    return true;
}

bool CIMImageCache::CheckAndLoad(QString path, Magick::Image& image, SImageProperties* properties)
{
    SystemLogWrite("CheckAndLoad", "");
    const QMutexLocker locker(&m_lock);
    if (m_path.isEmpty() || path != m_path)
        return false;
    if (!(FileStamp::Of(path) == m_stamp)) {
        // Rewritten or removed since it was cached.
        SystemLogWrite("CheckAndLoad", "- the file changed on disk");
        ClearLocked();
        return false;
    }
    const quint64 width = m_properties.width;
    const quint64 height = m_properties.height;
    SystemLogWrite("CheckAndLoad", QString("properties.width x height: %1 x %2").arg(width).arg(height));
    SystemLogWrite("CheckAndLoad", QString::asprintf("Size: %zu / channels: %d", m_pixels.size(), 4));
    try {
        Magick::Image rebuilt;
        rebuilt.read(size_t(width), size_t(height), "RGBA", Magick::CharPixel, m_pixels.data());
        rebuilt.depth(8);
        MagickCompat::SetAlpha(rebuilt, m_properties.hasAlpha);
        SetAttribute(rebuilt, "EXIF:DateTimeOriginal", m_properties.dateTimeOriginal);
        SetAttribute(rebuilt, "EXIF:Make", m_properties.cameraMake);
        SetAttribute(rebuilt, "EXIF:Model", m_properties.cameraModel);
        MagickCompat::SetResolution(rebuilt, m_properties.densityX, m_properties.densityY);
        rebuilt.resolutionUnits(m_properties.resolutionUnits == 1 ? MagickCore::PixelsPerInchResolution
                                                                  : MagickCore::PixelsPerCentimeterResolution);
        if (m_properties.orientation >= 1 && m_properties.orientation <= 8)
            rebuilt.orientation(MagickCore::OrientationType(m_properties.orientation));
        image = rebuilt;
    } catch (const Magick::Exception& error) {
        SystemLogWrite("CheckAndLoad", QString("- %1").arg(QString::fromUtf8(error.what())));
        return false;
    } catch (const std::bad_alloc&) {
        SystemLogWrite("CheckAndLoad", "- not enough memory");
        return false;
    }
    if (properties)
        *properties = m_properties;
    return true;
}
