#pragma once

#include "CImageFilters.h"
#include "SImageProperties.h"
#include "SImageRecord.h"
#include "SOutputFormat.h"
#include "SProgressData.h"
#include "SRAWImage.h"

#include <Magick++.h>

#include <QList>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>

class CFormatsEnum;
class CICCProfiles;
class CIMImageCache;
class CUserProfile;
class QThread;

// The image engine's working object: turns a file into a decoded image with
// its properties. Camera RAW files go through the RAW decoder, everything else
// through ImageMagick. One manager belongs to one owner and is used on that
// owner's thread only.
//
// The class is split by concern over several source files:
//   CImageManager.cpp            construction, reading and pinging
//   CImageManagerProperties.cpp  photo properties of the last read or ping
//   CImageManagerPreview.cpp     progress reporting, zoom and display of previews
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
    // A FIFO, socket or device: never pinged or read, since opening a FIFO
    // waits for a writer and a device may never end. Missing files and
    // folders are none (their reads fail as they always did).
    static bool IsSpecialFile(const QString& path);
    // Why a photo that cannot be found or opened cannot be read: "not a
    // regular file", or the system's word ("File name too long", "No such
    // file or directory"). "" when it opens.
    static QString MissingFileReason(const QString& path);
    bool ReadMagick(QString path);
    bool ReadRAW(QString path);
    // Size and metadata without decoding pixels.
    bool Ping(QString path);
    void SetImage(Magick::Image newImage);

    // Mode 1 reads the current image's attributes, mode 2 copies what the RAW
    // decoder identified (raw must then be non-null); other modes do nothing.
    void ReadProperties(int mode, SRAWImage* raw);

    // ---- Previews (CImageManagerPreview.cpp) ----
    // Makes worker (a preview thread) the receiver of every progress report.
    void SetThread(QThread* worker);
    // Scales the current image to percent of its size (halves round up) with
    // ImageMagick's fast scale. False, image unchanged, when there is no
    // image, the scale fails or the operation was aborted.
    bool Zoom(double percent);
    // Flattens an image with alpha onto ImageMagick's checkerboard pattern;
    // an opaque image stays as it is. False, image unchanged, on failure.
    bool AlphaToCheckboard();
    // The colour of one block of the current image (GUI thread only). A null
    // pixmap when the block does not lie inside the image.
    QPixmap ImageToPixmap(QRect area);

    // Pages and filters (CImageManagerPages.cpp).
    // Number of images in the file; 1 for camera RAW files (never pinged as
    // TIFF, whose extra directories are previews); 0 when the ping fails.
    int GetPageCount(QString path);
    bool ReadMultipage(QString path);
    // The file of page `index` when the pages of `path` are written one
    // image per file: "name.ext" -> "name-N.ext".
    static QString PageFilePath(const QString& path, int index);
    bool ReadAndInsertPage(QString path);
    bool ApplyFilter(SFilterRecord record);
    bool ApplyFilterToMultipage(SFilterRecord record);
    bool ApplyFilterToCurrentPage(SFilterRecord record);

    // Writing (CImageManagerWrite.cpp). A write goes to a temporary file in
    // the target folder that replaces the target only when complete.
    // `format` is COutputFormat's decision for the output; `written` gets
    // every file written (one per page when the pages go to files of their
    // own, "name-0.ext", "name-1.ext" ...), and stays empty on failure. The
    // forms without a decision take it from the path's extension.
    bool Write(const QString& path, const SOutputFormat& format, QList<QString>& written);
    bool WriteMultipage(const QString& path, bool adjoin, const SOutputFormat& format,
                        QList<QString>& written);
    bool Write(QString path);
    bool WriteMultipage(QString path, bool adjoin);
    // A write waits until the bytes are on the disk before the file takes
    // its name (the default). A processing run turns this off for outputs
    // whose source stays where it is: the rename still never shows a
    // half-written file, and should the system go down before the bytes
    // reach the disk, the source is there to write the photo again.
    bool flushWrites = true;
    // A write replaces a file at its name (the default). Without, it only
    // takes a free name, in one step: a file that appeared there after the
    // caller's own check stays, the write fails and targetTaken says why.
    bool replaceExisting = true;
    bool targetTaken = false;
    // Why the last write failed, in words for the log (no space left on the
    // device, a read-only file system, the encoder's message); "" after a
    // write that succeeded.
    QString writeError;
    // The writer's option steps for an output format name ("JPG", "TIFF" ...).
    void SelectCompAlgorithm(Magick::Image& target, QString format);
    void SelectImageType(Magick::Image& target, QString format);
    void ApplyProfile(Magick::Image& target, QString format);

    CUserProfile* profile = nullptr;
    CFormatsEnum* formats = nullptr;
    CICCProfiles* iccProfiles = nullptr;
    CIMImageCache* cache = nullptr;
    Magick::Image image;              // the current image; empty when nothing is loaded
    QList<Magick::Image> pages;       // pages of a multi-page file, in file order
    QString sourcePath;               // path of the last read
    qint64 pageNumber = 0;            // set by the owner before filters are applied
    bool multipage = false;           // the last read was a multi-page read
    bool preview = false;             // serves a preview: cache and progress monitors on
    CImageFilters filters;            // engine of single-image filter application
    SImageProperties properties;      // of the last read or ping
    SProgressData progress;           // progress and abort of preview operations
    bool sourceWasCMYK = false;       // the last read was a CMYK (colour separation) image
    Magick::Blob embeddedProfile;     // ICC profile embedded in the last file read
    // The library's text when the last read said that the pixel data is
    // damaged (a truncated or corrupt file, read as far as it went); empty
    // otherwise. Remarks that healthy files raise (unknown tags, EXIF
    // oddities) leave it empty.
    QString readDamage;
    // What the last read left out of the photo because it was damaged,
    // while the pixels read whole: chunks of a PNG (an ICC profile, EXIF,
    // text ...), an ICC profile that no conversion can start from. Named
    // for the run log ("ICC profile", "EXIF, text"); empty when nothing was
    // left out. The source is then the only copy of what was left out.
    QString readDropped;
    // Why the last read failed, when it was refused before decoding (a photo
    // larger than one photo may be, CMagickRuntime::CheckFrameSizes); "" otherwise.
    QString readError;
    // Shrink-on-load (CShrinkOnLoad): the least size at which the next
    // ImageMagick read is to decode a JPEG; the decoder then takes the
    // smallest of its scales that reaches it. One read uses it and clears
    // it; an empty size reads the photo whole. The properties still describe
    // the photo as stored, and a resize (5040) sizes the photo from its
    // stored size (CImageFilters::SetNominalSize).
    QSize readSizeHint;
    // The last read decoded the photo smaller than it is stored, and no
    // filter that depends on the size has been applied since.
    bool ReadShrunk() const { return shrunkFrom.isValid(); }

private:
    void ResetReadState();
    // Pings path and refuses (false, with readError set) a file whose
    // declared pixels exceed one photo's share, before anything is decoded.
    // A file that cannot be pinged passes: the read reports it.
    // A JPEG decoded with a size hint (shrink-on-load) counts at the size it
    // is decoded at.
    bool CheckDeclaredSize(const QString& path, QSize sizeHint = QSize());
    // The photo's size had it been decoded whole, while the image is still
    // the one a shrinking read decoded (turned or not); empty otherwise.
    QSize NominalSize() const;
    // After a read with a size hint and its properties: notes whether the
    // decoder shrank the photo, and keeps the stored size in the properties.
    void NoteShrunkRead();
    // Reads a PNG file into the image (throws when nothing could be read;
    // notes damage in readDamage).
    void ReadPng(const QString& path);
    // Takes an ICC profile that the colour engine cannot open off target,
    // and notes it in readDropped.
    void DropUnusableProfile(Magick::Image& target);
    // Takes values off target that no valid file holds and that writers
    // refuse (TIFF's writer fails on them), and notes them in readDropped:
    // an EXIF orientation outside 1 to 8 becomes top-left, the pixels as
    // read; a negative resolution becomes none.
    void DropInvalidOrientation(Magick::Image& target);
    void DropInvalidResolution(Magick::Image& target);
    // Adds `what` to readDropped, once.
    void NoteDropped(const QString& what);
    void InstallProgressMonitor(Magick::Image& target);
    bool Aborted() const;
    bool ConvertCMYKToSRGB();
    bool BuildImageFromRAW(const SRAWImage& record);
    void LoadEngine(CImageFilters& engine, const SFilterRecord& record) const;
    bool TakeStateOfPages();
    SOutputFormat OutputFormatOf(const QString& path) const;
    void SelectCompAlgorithm(Magick::Image& target, const SOutputFormat& format);
    void SelectImageType(Magick::Image& target, const SOutputFormat& format);
    void ApplyProfile(Magick::Image& target, SOutputFormat::ColourProfile colourProfile);
    void SetWriteOptions(Magick::Image& target, const SOutputFormat& format, int quality);

    // Of a read that decoded the photo smaller than stored: the stored and
    // the decoded size; empty when the photo was decoded whole.
    QSize shrunkFrom;
    QSize shrunkTo;
};

// A copy of the first record of list whose full path equals path
// (case-sensitive), or an empty record.
SImageRecord GetImageRecordByName(QList<SImageRecord> list, QString path);
