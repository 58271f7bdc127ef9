#include "FilterDescriptions.h"

#include <QObject>

// Built at program load, before any translator exists, so the rows hold the
// English texts; QObject::tr marks them for the translation tools.
const QString FilterDescriptions[FilterDescriptionCount] = {
    QObject::tr("Annotates with a single or multi-line text comment"),
    QObject::tr("Stamps picture with date and time information"),
    QObject::tr("Adds a text copyright notice"),
    QObject::tr("Adds a copyright logo"),
    QObject::tr("Adds a simple shaped frame"),
    QObject::tr("Adds a grunge frame"),
    QObject::tr("Adds different masks for portrait and landscape photos"),
    QObject::tr("Adds a classic picture frame"),
    QObject::tr("Adds a vintage frame"),
    QObject::tr("Creates a Polaroid-like picture frame"),
    QObject::tr("Lightens or darkens image edges to give a 3D raised or lowered effect"),
    QObject::tr("Gives picture a shadow effect around the edges"),
    QObject::tr("Adds a simple border around the picture"),
    QObject::tr("Makes picture hazy in appearance"),
    QObject::tr("Transforms picture to a charcoal sketch"),
    QObject::tr("Highlights edges in picture"),
    QObject::tr("Highlights edges in picture with a 3D effect"),
    QObject::tr("Makes picture hazy in appearance using the gaussian blur algorithm"),
    QObject::tr("Transforms from true colors to grayscale colors"),
    QObject::tr("Creates an implosion effect in the center of the image"),
    QObject::tr("Replaces every pixel with its complementary color"),
    QObject::tr("Adds noise to picture"),
    QObject::tr("Makes picture look like an oil painting"),
    QObject::tr("Makes picture look older, in warmer colors"),
    QObject::tr("Makes picture look like the photographic film was exposed to light during the "
                "development process"),
    QObject::tr("Makes picture look like a sculpture in grayscale or true colors"),
    QObject::tr("Makes picture blurry by spreading pixels randomly"),
    QObject::tr("Creates a twisting motion"),
    QObject::tr("Creates a horizontal wave effect"),
    QObject::tr("Automatically adjusts contrast"),
    QObject::tr("Automatically adjusts gamma level"),
    QObject::tr("Automatically adjusts color levels"),
    QObject::tr("Adjusts light intensity"),
    QObject::tr("Enhances the intensity differences between the lighter and darker pixels"),
    QObject::tr("Adjusts the Red, Green and Blue color channels"),
    QObject::tr("Applies a histogram equalization"),
    QObject::tr("Corrects Hue, Saturation and Lightness"),
    QObject::tr("Adjusts levels by scaling the colors falling between specified white and black "
                "points to the full available quantum range"),
    QObject::tr("Reduces noise caused by poor lighting conditions or mobile digital cameras"),
    QObject::tr("Sharpens picture by enhancing edge contrast"),
    QObject::tr("Uses Radius and Threshold options to sharpen picture"),
    QObject::tr("Automatically rotates photos based on the information embedded by the digital camera"),
    QObject::tr("Automatically crops the image according to a specified aspect ratio"),
    QObject::tr("Replaces a RGB color or the Alpha channel"),
    QObject::tr("Cuts a rectangular subregion from the image"),
    QObject::tr("Flips picture in vertical and/or horizontal direction"),
    QObject::tr("Adjusts image size using pixels or percents"),
    QObject::tr("Adjusts document size and DPI resolution"),
    QObject::tr("Rolls vertically or horizontally by a specified number of pixels"),
    QObject::tr("Rotates by a specified number of degrees"),
    QObject::tr("Creates a small thumbnail from the picture"),
    QObject::tr("Keep original image format (if possible)"),
};

QString FilterDescription(int row)
{
    if (row < 1 || row > FilterDescriptionCount)
        return QString();
    return FilterDescriptions[row - 1];
}
