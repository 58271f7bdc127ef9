#include "CICCProfiles.h"

#include "CUserProfile.h"
#include "Common.h"
#include "MagickCompat.h"
#include "Platform.h"

#include <QFileInfo>
#include <QMutexLocker>

QBasicMutex CICCProfiles::mutex;

namespace {
// An ICC profile starts with a 128-byte header that carries the signature
// "acsp" at byte 36. ImageMagick takes any bytes from a .icc/.icm file.
bool LooksLikeIccProfile(const Magick::Blob& blob)
{
    const auto* bytes = static_cast<const unsigned char*>(blob.data());
    return blob.length() >= 128 && bytes && bytes[36] == 'a' && bytes[37] == 'c' && bytes[38] == 's'
        && bytes[39] == 'p';
}

// Reads the file as an image and returns its ICC profile; false when the file
// cannot be read.
bool ReadProfileFile(const QString& path, Magick::Blob* profile)
{
    SystemLogWrite("LoadIccProfile", "- reading " + path);
    try {
        Magick::Image image;
        image.read(MagickCompat::FileToRead(path));
        const Magick::Blob found = image.profile("icc");
        if (!LooksLikeIccProfile(found)) {
            SystemLogWrite("LoadIccProfile", "- no ICC profile in " + path);
            return false;
        }
        *profile = found;
        return true;
    } catch (const Magick::Warning& warning) {
        SystemLogWrite("LoadIccProfile", QString("Warning: %1").arg(warning.what()));
        return false;
    } catch (const std::exception& error) {
        SystemLogWrite("LoadIccProfile", QString("- cannot read %1: %2").arg(path, error.what()));
        return false;
    }
}
} // namespace

CICCProfiles::CICCProfiles() = default;

CICCProfiles* CICCProfiles::GetInstance()
{
    // Created once, thread-safely, and kept until the process ends.
    static CICCProfiles* const instance = new CICCProfiles();
    return instance;
}

QString CICCProfiles::SRGBPath()
{
    return GetResourcesFolder() + "/sRGB.icm";
}

QString CICCProfiles::CMYKPath()
{
    return GetResourcesFolder() + "/RSWOP.ICM";
}

bool CICCProfiles::IsUsable(const Magick::Blob& profile)
{
    if (profile.length() == 0)
        return false;
    // The library opens a profile with its colour engine when it is attached
    // to an image without one, and refuses one that it cannot open; the
    // colour space is not compared, and no pixel is converted.
    Magick::Image probe;
    try {
        probe = MagickCompat::UnfilledImage(1, 1, false, 8);
    } catch (const std::exception&) {
        return true; // no image to tell by: the profile stays
    }
    try {
        probe.profile("icc", profile);
        return true;
    } catch (const Magick::Warning& warning) {
        // Opened, with a remark of the colour engine's.
        SystemLogWrite("CICCProfiles::IsUsable", QString::fromUtf8(warning.what()));
        return true;
    } catch (const Magick::Exception& error) {
        SystemLogWrite("CICCProfiles::IsUsable", QString::fromUtf8(error.what()));
        return false;
    }
}

QString CICCProfiles::CustomPath() const
{
    // Looked up at each use: the holder outlives the profile, which the main
    // window deletes and a later window (in tests) makes anew.
    return CUserProfile::GetInstance()->CustomProfile;
}

void CICCProfiles::LoadIccProfile(int which)
{
    const QMutexLocker locker(&mutex);
    switch (which) {
    case SRGB:
        if (!srgbLoaded && QFileInfo::exists(SRGBPath()) && ReadProfileFile(SRGBPath(), &srgbProfile))
            srgbLoaded = true;
        break;
    case CMYK:
        if (!cmykLoaded && QFileInfo::exists(CMYKPath()) && ReadProfileFile(CMYKPath(), &cmykProfile))
            cmykLoaded = true;
        break;
    case Custom: {
        if (customLoaded)
            break;
        const QString path = CustomPath();
        Magick::Blob loaded;
        if (path.isEmpty() || !QFileInfo::exists(path) || !ReadProfileFile(path, &loaded)) {
            loaded = Magick::Blob();
            ReadProfileFile(SRGBPath(), &loaded);
        }
        customProfile = loaded;
        customLoaded = true;
        break;
    }
    default:
        break;
    }
}
