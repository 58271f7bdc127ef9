#pragma once

#include "CImageFilters.h"
#include "SImageProperties.h"
#include "SImageRecord.h"
#include "SProgressData.h"
#include "SRAWImage.h"

#include <Magick++.h>

#include <QList>
#include <QString>

class CFormatsEnum;
class CICCProfiles;
class CUserProfile;

// The image engine's working object: turns a file into a decoded image with
// its properties. Camera RAW files go through the RAW decoder, everything else
// through ImageMagick. One manager belongs to one owner and is used on that
// owner's thread only.
//
// The class is split by concern over several source files:
//   CImageManager.cpp            construction, reading and pinging
//   CImageManagerProperties.cpp  photo properties of the last read or ping
//   CImageManagerPages.cpp       multi-page files and handing filters to the engine
//   CImageManagerWrite.cpp       writing with the output-format options and colour profiles
class CImageManager
{
public:
    enum Kind { KindMagick = 1, KindRAW = 2 };
    enum PropertiesSource { FromMagick = 1, FromRAW = 2 };

    CImageManager();
    ~CImageManager();
    CImageManager(const CImageManager&) = delete;
    CImageManager& operator=(const CImageManager&) = delete;

    // Loads path as the current image with its properties. On failure the
    // current image is empty and the source path is still set.
    bool Read(QString path);
    // 2 when the extension is one of the format table's RAW extensions
    // (ignoring case), else 1.
    int IdentifyImage(QString path) const;
    bool ReadMagick(QString path);
    bool ReadRAW(QString path);
    // Size and metadata without decoding pixels.
    bool Ping(QString path);
    void SetImage(Magick::Image newImage);

    // Mode 1 reads the current image's attributes, mode 2 copies what the RAW
    // decoder identified (raw must then be non-null); other modes do nothing.
    void ReadProperties(int mode, SRAWImage* raw);

    // Pages and filters (CImageManagerPages.cpp).
    // Number of images in the file; 1 for camera RAW files (never pinged as
    // TIFF, whose extra directories are previews); 0 when the ping fails.
    int GetPageCount(QString path);
    bool ReadMultipage(QString path);
    bool ReadAndInsertPage(QString path);
    bool ApplyFilter(SFilterRecord record);
    bool ApplyFilterToMultipage(SFilterRecord record);
    bool ApplyFilterToCurrentPage(SFilterRecord record);

    // Writing (CImageManagerWrite.cpp). A write goes to a temporary file in
    // the target folder that replaces the target only when complete.
    bool Write(QString path);
    bool WriteMultipage(QString path, bool adjoin);
    void SelectCompAlgorithm(Magick::Image& target, QString format);
    void SelectImageType(Magick::Image& target, QString format);
    void ApplyProfile(Magick::Image& target, QString format);

    CUserProfile* profile = nullptr;
    CFormatsEnum* formats = nullptr;
    CICCProfiles* iccProfiles = nullptr;
    Magick::Image image;              // the current image; empty when nothing is loaded
    QList<Magick::Image> pages;       // pages of a multi-page file, in file order
    QString sourcePath;               // path of the last read
    qint64 pageNumber = 0;            // set by the owner before filters are applied
    bool multipage = false;           // the last read was a multi-page read
    bool preview = false;             // serves a preview: progress monitors on
    CImageFilters filters;            // engine of single-image filter application
    SImageProperties properties;      // of the last read or ping
    SProgressData progress;           // progress and abort of preview operations
    bool sourceWasCMYK = false;       // the last read was a CMYK (colour separation) image
    Magick::Blob embeddedProfile;     // ICC profile embedded in the last file read

private:
    void ResetReadState();
    void InstallProgressMonitor(Magick::Image& target);
    bool Aborted() const;
    bool ConvertCMYKToSRGB();
    bool BuildImageFromRAW(const SRAWImage& record);
    void LoadEngine(CImageFilters& engine, const SFilterRecord& record) const;
    bool TakeStateOfPages();
    void SetWriteOptions(Magick::Image& target, const QString& format, int quality);
};

// A copy of the first record of list whose full path equals path
// (case-sensitive), or an empty record.
SImageRecord GetImageRecordByName(QList<SImageRecord> list, QString path);
