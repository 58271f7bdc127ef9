#pragma once

#include "SFilterRecord.h"
#include "SImageProperties.h"

#include <Magick++.h>

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QtGlobal>

class QPainter;

// The filter engine: applies one filter record to one image in memory.
//
// The owner (an image manager or a preview) sets the target image, the
// record, the photo's source path, page index and properties, then calls
// Apply(). Filter ids are grouped by thousands and each family lives in its
// own source file:
//   1000s marks                  CImageFiltersMarks.cpp (dispatch, compositing,
//                                mask), CImageFiltersText.cpp, CImageFiltersLogo.cpp,
//                                CImageFiltersPicture.cpp (picture steps)
//   2000s frames, borders, shadow CImageFiltersFrames.cpp
//   3000s effects                CImageFiltersEffects.cpp
//   4000s adjustments            CImageFiltersAdjustments.cpp
//   5000s transforms             CImageFiltersTransforms.cpp
// Each family has one dispatch hook that runs the operation of an id and
// returns false when the id is not one of its family. The operations read
// the engine's copy of the record (pN is record.params[N]) and change the
// target in place; exceptions pass to Apply, which traces them and fails.
//
// The cached images (logo, masks, frames, texture) and their keys survive
// from one Apply to the next, so a batch loads each file once per engine.
class CImageFilters
{
public:
    CImageFilters();
    virtual ~CImageFilters();

    CImageFilters(const CImageFilters&) = default;
    CImageFilters& operator=(const CImageFilters&) = default;

    // The image to change; owned by the caller and used until the next call.
    void SetTarget(Magick::Image* image) { m_target = image; }
    Magick::Image* Target() const { return m_target; }

    void SetRecord(const SFilterRecord& record) { m_record = record; }
    const SFilterRecord& Record() const { return m_record; }

    void SetProperties(const SImageProperties& properties) { m_properties = properties; }
    const SImageProperties& Properties() const { return m_properties; }

    void SetPageIndex(qint64 index) { m_pageIndex = index; }
    qint64 PageIndex() const { return m_pageIndex; }

    void SetSourcePath(const QString& path) { m_sourcePath = path; }
    const QString& SourcePath() const { return m_sourcePath; }

    // The size the target would have had if the photo had been decoded
    // whole. A target decoded at a reduced scale (shrink-on-load) is resized
    // (5040) from this size, so that it comes out exactly as large as a
    // whole one would. Empty: the target's own size.
    void SetNominalSize(const QSize& size) { m_nominalSize = size; }

    // The scale geometry that a resize record (5040) gives a columns x rows
    // image; empty when the record leaves the image as it is.
    static std::string ResizeGeometry(const SFilterRecord& record, double columns, double rows);

    // Applies the held record to the target. True when it was applied (or
    // needs nothing); false when the target is missing or empty, the id is
    // unknown, or an exception stopped the operation (the target may then be
    // partly changed).
    bool Apply();
    // Why the last Apply failed, when it is known ("" otherwise): a value
    // beyond its bound (FilterBounds) or the image library's error.
    const QString& LastError() const { return m_error; }

    // Preview frames of crop (5020) and resize (5040) records, in the
    // coordinates of the photo as displayed: width x height is its size on
    // screen at the given zoom. They mirror what the transforms will do.
    //
    // The crop rectangle, clipped to the displayed photo.
    void UpdateCropArea(QRect& area, SFilterRecord record, long width, long height, double zoom);
    // Scales `shown` (the displayed photo) as the record would scale `photo`
    // (only its size is read) and sets `area` to where the scaled picture
    // sits, centred. A pixel-sized record that keeps the aspect ratio gets
    // the width and height actually used; other records are left as they are.
    void UpdateResizeArea(Magick::Image& photo, Magick::Image& shown, QRect& area, SFilterRecord& record,
                          long width, long height, double zoom);
    // The same for a given device pixel ratio (the one above asks the screen).
    void UpdateResizeArea(Magick::Image& photo, Magick::Image& shown, QRect& area, SFilterRecord& record,
                          long width, long height, double zoom, double pixelRatio);

    // ---- Drawing of the text and logo marks ----
    // Both draw the mark of record into picture (replacing it) and set where
    // to the rectangle it goes to in a width x height area shifted by
    // (offsetX, offsetY). The filters call them at the photo's size with zoom
    // 1 and preview false; the editor's preview passes the displayed size,
    // zoom and offset, preview true and the screen's device pixel ratio (read
    // on the GUI thread). Pictures are painted on QImage, so both run on any
    // thread. False, with a null picture, when there is nothing to draw (an
    // empty text, a logo that cannot be loaded) or the picture would be too
    // large.
    bool UpdateText(QImage& picture, QRect& where, SFilterRecord record, QString path, long width, long height,
                    double zoom, int offsetX, int offsetY, bool preview, double devicePixelRatio = 1.0);
    bool UpdateLogo(QImage& picture, QRect& where, SFilterRecord record, QString path, long width, long height,
                    double zoom, int offsetX, int offsetY, bool preview, double devicePixelRatio = 1.0);

    // Splits text at line feeds into lines and measures the block: width is
    // the widest advance (5 percent wider for italic), height is (lineSpacing
    // + line height) x lines - 1.
    static void ComputeTextMultiline(QString text, QFontMetrics metrics, QList<QString>& lines, long& width,
                                     long& height, int lineSpacing, bool italic);
    // Draws lines as one simplified path with the painter's brush and pen,
    // aligned (0 left, 1 centre, 2 right) within width; ends the painter.
    static void DrawMultiLine(QPainter* painter, QFont font, QList<QString> lines, int, int, int width,
                              int alignment, int lineSpacing, int);
    static void DrawBox(bool on, QPainter* painter, QImage* picture, QColor colour, int transparency);

    // Picture steps. Each returns a new picture (null when it cannot be
    // made) and the position of the incoming picture inside it in shift.
    static QImage RotateImage(QImage* picture, int degrees, QSize& shift);
    static QImage BlurImage(const QImage& picture, int radius, QSize& shift, bool alphaOnly);
    static QImage ShadowImage(bool on, QImage* picture, QColor colour, int transparency, int distance, int size,
                              int angle, int blur, QSize& shift);
    static QImage ScaleImage(QImage* picture, int percent, QSize& shift);
    static QImage StrokeImage(bool on, QImage* picture, int width, QColor colour, int transparency, QSize& shift);
    // The picture as an ImageMagick image (invalid for an empty picture).
    static Magick::Image PixmapToImage(QImage* picture);

    // Fills image from the one-entry cache (cached, cachedPath) or from the
    // file at path, then switches its alpha on and, with applyTransparency,
    // lowers every alpha by trunc(transparency x 255 / 100), the percentage
    // taken in single precision. The cached image keeps the pixels as read.
    // 1 on success, 0 when the file is missing or cannot be read.
    int LoadImage(Magick::Image* cached, Magick::Image* image, QString* cachedPath, QString path,
                  bool applyTransparency, double transparency);

private:
    // Returns false when the id is not part of any family.
    bool Dispatch(quint32 id);

    // ---- Family hooks: true when the id belongs to the family. ----
    bool ApplyMark(quint32 id);       // CImageFiltersMarks.cpp
    bool ApplyFrame(quint32 id);      // CImageFiltersFrames.cpp (false also when a frame fails)
    bool ApplyEffect(quint32 id);     // CImageFiltersEffects.cpp
    bool ApplyAdjustment(quint32 id); // CImageFiltersAdjustments.cpp
    bool ApplyTransform(quint32 id);  // CImageFiltersTransforms.cpp

    // ---- Marks (1000s), CImageFiltersMarks.cpp ----
    bool FilterText();       // 1000
    bool FilterLogo();       // 1010
    bool FilterCustomMask(); // 1020

    // Sets brush, pen and opacity of the text; the texture comes from the
    // engine's texture cache.
    void SetupTextColor(QPainter* painter, QColor colour, bool textured, QString texturePath, int transparency,
                        bool stroke, QColor strokeColour, int strokeTransparency, int strokeWidth, double);
    // Draws a mark with draw (UpdateText or UpdateLogo) at the target's size
    // and composites it; the tile switch and the two tile spacings are the
    // record's parameters tileParam, tileParam + 1 and tileParam + 2.
    using DrawMark = bool (CImageFilters::*)(QImage&, QRect&, SFilterRecord, QString, long, long, double, int, int,
                                             bool, double);
    bool ApplyDrawnMark(DrawMark draw, int tileParam, const char* caller);
    // Composites a mark onto the target once at (x, y), or tiled from the
    // top-left corner with the spacings (percent of the free width and
    // height).
    void CompositeMark(const Magick::Image& mark, int x, int y, bool tile, double spacingX, double spacingY);
    // The steps both marks share after drawing: turns picture by the
    // record's parameter turnParam, blurs it by blurParam and adds the drop
    // shadow of the six parameters from shadowParam (on, colour,
    // transparency, distance, angle, blur) at the given distance. Null when
    // the picture would be too large.
    static QImage TurnBlurAndShadow(QImage picture, const double* p, int turnParam, int blurParam, int shadowParam,
                                    int shadowDistance);
    // The end of both drawing operations: zoom, size and placement.
    static bool PlacePicture(QImage& picture, QRect& where, double scale, double zoom, int placement,
                             double marginX, double marginY, long width, long height, int offsetX, int offsetY,
                             double ratio);

    // ---- Frames, borders and shadow (2000s), CImageFiltersFrames.cpp ----
    bool FilterShapeFrame();   // 2001
    bool FilterGrungeFrame();  // 2002
    bool FilterPictureFrame(); // 2003
    bool FilterVintageFrame(); // 2004
    bool FilterPolaroid();     // 2005
    bool FilterRaise();        // 2010
    bool FilterShadow();       // 2020
    bool FilterSimpleBorder(); // 2030

    enum class FrameKind { Shape, Grunge, Picture, Vintage };
    // The picture or vintage frame: the photo set into the window of the
    // record's frame picture.
    bool FilterWindowFrame(FrameKind kind);
    // The frame of the kind for the record's style (or a random style), from
    // the cache or read from the frames folder. Null, with a trace line,
    // when the style is outside the kind's range; a file that cannot be read
    // throws. styleUsed receives the style drawn.
    const Magick::Image* LoadFrame(FrameKind kind, int styleParam, bool random, int edge, int* styleUsed);
    // Cuts the target with a mask: white removes, darker keeps.
    void ApplyBasicFrameMask(const Magick::Image& mask, const Magick::Color& background, bool transparent,
                             bool rotateForPortrait);
    // Sets the target into the window of a frame picture.
    void ApplyComplexFrameMask(const Magick::Image& frame, double longFactor, double shortFactor,
                               const Magick::Color& background, bool transparent);
    // Parameter n as an opaque colour (a QRgb value; its alpha is ignored).
    Magick::Color ColourParam(int n) const;

    // ---- Effects (3000s), CImageFiltersEffects.cpp ----
    bool FilterBlur();         // 3000
    bool FilterCharcoal();     // 3020
    bool FilterEdge();         // 3030
    bool FilterEmboss();       // 3040
    bool FilterGaussianBlur(); // 3050
    bool FilterBlacknWhite();  // 3060
    bool FilterImplode();      // 3070
    bool FilterNegate();       // 3080
    bool FilterNoise();        // 3090
    bool FilterOilPaint();     // 3100
    bool FilterSepia();        // 3120
    bool FilterSolarize();     // 3130
    bool FilterShade();        // 3140
    bool FilterSpread();       // 3150
    bool FilterSwirl();        // 3160
    bool FilterWave();         // 3170

    // ---- Adjustments (4000s), CImageFiltersAdjustments.cpp ----
    bool FilterNormalize();       // 4000
    bool FilterAutoGamma();       // 4003
    bool FilterAutoLevel();       // 4006
    bool FilterBrightness();      // 4010
    bool FilterContrast();        // 4020
    bool FilterColorBalance();    // 4030
    bool FilterEqualize();        // 4040
    bool FilterHueSaturation();   // 4050
    bool FilterLevels();          // 4060
    bool FilterReduceNoise();     // 4070
    bool FilterSharpen();         // 4080
    bool FilterSharpenAdvanced(); // 4090

    // ---- Transforms (5000s), CImageFiltersTransforms.cpp ----
    bool FilterAutoRotate();     // 5000
    bool FilterAutoCrop();       // 5002
    bool FilterColorReplace();   // 5010
    bool FilterCrop();           // 5020
    bool FilterFlip();           // 5030
    bool FilterResize();         // 5040
    bool FilterResizeAdvanced(); // 5050
    bool FilterRoll();           // 5060
    bool FilterRotate();         // 5070
    bool FilterThumbnail();      // 5080
    // Throws FilterBounds::OutOfBounds when a transform would make the photo
    // wider or higher than the bound in pixels.
    void RequireResultSize(double width, double height) const;

    // Numeric parameter n of the held record (0 outside the array).
    double P(int n) const;
    // The same truncated toward zero, clamped to the int range (NaN gives 0).
    int PInt(int n) const;

    // ---- State ----
    Magick::Image* m_target = nullptr;

    // One-entry caches of loaded images (marks and frames).
    Magick::Image m_logoImage;
    Magick::Image m_maskLandscapeImage;
    Magick::Image m_maskPortraitImage;
    Magick::Image m_textureImage;

    // Files the cached logo, masks and texture were read from.
    QString m_logoPath;
    QString m_maskLandscapePath;
    QString m_maskPortraitPath;
    QString m_texturePath;

    // One cached frame per kind (indexed by FrameKind) with its key: the
    // style (-1: nothing cached) and, for the shaped frame, the edge variant.
    struct FrameCache
    {
        Magick::Image image;
        qint32 style = -1;
        qint32 edge = 0;
    };
    FrameCache m_frames[4];

    SFilterRecord m_record;
    SImageProperties m_properties;
    qint64 m_pageIndex = 0;
    QString m_sourcePath;
    QSize m_nominalSize;

    // Exception record for operations that call the ImageMagick core
    // directly; valid only while Apply dispatches.
    MagickCore::ExceptionInfo* m_exception = nullptr;
    QString m_error; // see LastError

};
