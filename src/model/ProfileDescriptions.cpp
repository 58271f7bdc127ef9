#include "ProfileDescriptions.h"

#include "FilterDescriptions.h"

#include <QCoreApplication>
#include <QtGlobal>

namespace {
// An id's text is either a literal (translated at the time of the call) or a
// row of the filter description table (translated again at the call).
struct SProfileText
{
    int id;
    const char* literal; // nullptr: use the row
    int row;
};

const SProfileText kTexts[] = {
    {12041, QT_TRANSLATE_NOOP("QObject", "Auto Gamma"), 0},
    {12051, nullptr, 2},
    {12054, nullptr, 30},
    {12061, nullptr, 39},
    {12062, nullptr, 40},
    {12064, nullptr, 42},
    {12074, nullptr, 15},
    {12078, nullptr, 19},
    {12079, nullptr, 20},
    {12082, nullptr, 23},
    {12083, nullptr, 11},
    {12084, nullptr, 24},
    {12086, nullptr, 26},
    {12087, nullptr, 27},
    {12088, nullptr, 28},
    {12089, nullptr, 29},
    {12091, QT_TRANSLATE_NOOP("QObject", "Automatically adjusts gamma level"), 0},

    {14270, QT_TRANSLATE_NOOP("QObject", "Convert to JPEG with High Quality"), 0},
    {14271, QT_TRANSLATE_NOOP("QObject", "Convert to JPEG file format with high quality (90%) which will result in larger file sizes."), 0},
    {14272, QT_TRANSLATE_NOOP("QObject", "Convert to JPEG with Medium Quality"), 0},
    {14273, QT_TRANSLATE_NOOP("QObject", "Convert to JPEG file format with medium quality (75%) which will result in medium file sizes."), 0},
    {14274, QT_TRANSLATE_NOOP("QObject", "Convert to PDF Album"), 0},
    {14275, QT_TRANSLATE_NOOP("QObject", "Create a single PDF album from all the photos added"), 0},
    {14276, QT_TRANSLATE_NOOP("QObject", "Convert to PNG"), 0},
    {14277, QT_TRANSLATE_NOOP("QObject", "Convert to PNG file format for the best quality."), 0},
    {14278, QT_TRANSLATE_NOOP("QObject", "Convert to TIFF"), 0},
    {14279, QT_TRANSLATE_NOOP("QObject", "Convert to TIFF file format for the best quality."), 0},
    {14280, QT_TRANSLATE_NOOP("QObject", "Auto Contrast"), 0},
    {14281, nullptr, 30},
    {14282, QT_TRANSLATE_NOOP("QObject", "Auto Rotate"), 0},
    {14283, nullptr, 42},
    {14284, QT_TRANSLATE_NOOP("QObject", "Add Date and Time"), 0},
    {14285, nullptr, 2},
    {14286, QT_TRANSLATE_NOOP("QObject", "Reduce Noise"), 0},
    // The noise-reduction row, not the row of the noise effect.
    {14287, nullptr, 39},
    {14288, QT_TRANSLATE_NOOP("QObject", "Adjust Sharpness"), 0},
    {14289, nullptr, 40},
    {14290, QT_TRANSLATE_NOOP("QObject", "Effect Black & White"), 0},
    {14291, nullptr, 19},
    {14292, QT_TRANSLATE_NOOP("QObject", "Effect Charcoal"), 0},
    {14293, nullptr, 15},
    {14294, QT_TRANSLATE_NOOP("QObject", "Effect Implode"), 0},
    {14295, nullptr, 20},
    {14296, QT_TRANSLATE_NOOP("QObject", "Effect Oil Painting"), 0},
    {14297, nullptr, 23},
    {14298, QT_TRANSLATE_NOOP("QObject", "Effect Raise"), 0},
    {14299, nullptr, 11},
    {14300, QT_TRANSLATE_NOOP("QObject", "Effect Sepia"), 0},
    {14301, nullptr, 24},
    {14302, QT_TRANSLATE_NOOP("QObject", "Effect Shade"), 0},
    {14303, nullptr, 26},
    {14304, QT_TRANSLATE_NOOP("QObject", "Effect Spread"), 0},
    {14305, nullptr, 27},
    {14306, QT_TRANSLATE_NOOP("QObject", "Effect Swirl"), 0},
    {14307, nullptr, 28},
    {14308, QT_TRANSLATE_NOOP("QObject", "Effect Wave"), 0},
    {14309, nullptr, 29},
    {14310, QT_TRANSLATE_NOOP("QObject", "Rename to Folder's Name"), 0},
    {14311, QT_TRANSLATE_NOOP("QObject", "If photos are organized into a folder with a meaningful name, this profile will rename all contained pictures to the folder's name"), 0},
    {14312, QT_TRANSLATE_NOOP("QObject", "Rename to Photo's Date"), 0},
    {14313, QT_TRANSLATE_NOOP("QObject", "Change the names for a set of photos to the original dates when they were taken and also adds a counter to differentiate between photos taken at the same time"), 0},
    {14314, QT_TRANSLATE_NOOP("QObject", "Resize for Auction Site"), 0},
    {14315, QT_TRANSLATE_NOOP("QObject", "Make photos very small (400x300) for uploading to auction sites like eBay"), 0},
    {14316, QT_TRANSLATE_NOOP("QObject", "Resize for Sending via Email"), 0},
    {14317, QT_TRANSLATE_NOOP("QObject", "Make photos smaller (1280x960) for sending as attachment via email"), 0},
    {14318, QT_TRANSLATE_NOOP("QObject", "Resize for Uploading Online"), 0},
    {14319, QT_TRANSLATE_NOOP("QObject", "Make photos smaller (1600x1200) for uploading online to sites like Facebook, Picasa, or for sharing with friends"), 0},
    {14321, QT_TRANSLATE_NOOP("QObject", "Send via E-mail"), 0},
    {14322, QT_TRANSLATE_NOOP("QObject", "Send photos via E-mail"), 0},
    {14323, QT_TRANSLATE_NOOP("QObject", "Upload to Twitpic"), 0},
    {14324, QT_TRANSLATE_NOOP("QObject", "Upload photos to Twitpic"), 0},
    {14325, QT_TRANSLATE_NOOP("QObject", "Upload to Picasa"), 0},
    {14326, QT_TRANSLATE_NOOP("QObject", "Upload photos to Picasa"), 0},
    {14327, QT_TRANSLATE_NOOP("QObject", "Upload to Facebook"), 0},
    {14328, QT_TRANSLATE_NOOP("QObject", "Upload photos to Facebook"), 0},
};
} // namespace

QString GetProfileDescription(int id)
{
    for (const SProfileText& entry : kTexts) {
        if (entry.id != id)
            continue;
        if (entry.literal)
            return QCoreApplication::translate("QObject", entry.literal);
        return QCoreApplication::translate("QObject", FilterDescription(entry.row).toUtf8().constData());
    }
    return QString();
}
