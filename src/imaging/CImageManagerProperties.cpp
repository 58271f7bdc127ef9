#include "CImageManager.h"

#include "ImageProperties.h"
#include "MagickCompat.h"

namespace {
QString Attribute(const Magick::Image& image, const char* key)
{
    return QString::fromUtf8(image.attribute(key).c_str());
}

void ReadGps(const Magick::Image& image, SImageProperties& properties)
{
    properties.gpsLatitude.clear();
    properties.gpsLongitude.clear();
    properties.gpsPosition.clear();
    const QString latitude = ImageProperties::GpsCoordinateText(Attribute(image, "EXIF:GPSLatitude"),
                                                                Attribute(image, "EXIF:GPSLatitudeRef"));
    const QString longitude = ImageProperties::GpsCoordinateText(Attribute(image, "EXIF:GPSLongitude"),
                                                                 Attribute(image, "EXIF:GPSLongitudeRef"));
    if (latitude.isEmpty() || longitude.isEmpty())
        return;
    properties.gpsLatitude = latitude;
    properties.gpsLongitude = longitude;
    properties.gpsPosition = latitude + " " + longitude;
}
} // namespace

void CImageManager::ReadProperties(int mode, SRAWImage* raw)
{
    if (mode == FromRAW) {
        if (!raw)
            return;
        properties.Clear();
        properties.width = raw->identifiedWidth;
        properties.height = raw->identifiedHeight;
        properties.dateTimeOriginal = raw->dateTime;
        properties.cameraMake = raw->make;
        properties.cameraModel = raw->model;
        properties.densityX = 72.0;
        properties.densityY = 72.0;
        properties.resolutionUnits = 1;
        return;
    }
    if (mode != FromMagick)
        return;

    SImageProperties& p = properties;
    p.width = image.columns();
    p.height = image.rows();
    p.dateTimeOriginal = Attribute(image, "EXIF:DateTimeOriginal");
    // EXIF pads these with blanks.
    p.cameraMake = Attribute(image, "EXIF:Make").trimmed();
    p.cameraModel = Attribute(image, "EXIF:Model").trimmed();
    ReadGps(image, p);
    p.orientation = ImageProperties::OrientationValue(Attribute(image, "EXIF:Orientation"));
    p.gpsAltitude = ImageProperties::GpsAltitudeText(Attribute(image, "EXIF:GPSAltitude"),
                                                     Attribute(image, "EXIF:GPSAltitudeRef"));
    p.fNumber = ImageProperties::FNumberText(Attribute(image, "exif:FNumber"));
    p.exposure = ImageProperties::ExposureText(Attribute(image, "exif:ExposureTime"));
    // Newer EXIF writers name the ISO tag PhotographicSensitivity.
    QString iso = Attribute(image, "exif:ISOSpeedRatings");
    if (iso.isEmpty())
        iso = Attribute(image, "exif:PhotographicSensitivity");
    p.iso = iso.isEmpty() ? QString() : "ISO-" + iso;
    p.focalLength = Attribute(image, "exif:FocalLength");
    p.flash = Attribute(image, "exif:Flash");
    const QString colorSpace = Attribute(image, "exif:ColorSpace");
    p.colorSpace = colorSpace.isEmpty() ? 0 : colorSpace == "1" ? 1 : 2;
    p.densityX = MagickCompat::XResolution(image);
    p.densityY = MagickCompat::YResolution(image);
    p.resolutionUnits = image.resolutionUnits() == MagickCore::PixelsPerCentimeterResolution ? 2 : 1;
    p.artist = Attribute(image, "exif:Artist");
    p.copyright = Attribute(image, "exif:Copyright");
}
