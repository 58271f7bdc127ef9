#pragma once

#include "SFilterRecord.h"
#include "SImageProperties.h"

#include <Magick++.h>

#include <QString>
#include <QtGlobal>

// The filter engine: applies one filter record to one image in memory.
//
// The owner (an image manager or a preview) sets the target image, the
// record, the photo's source path, page index and properties, then calls
// Apply(). Filter ids are grouped by thousands and each family lives in its
// own source file:
//   1000s marks                  CImageFiltersMarks.cpp
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

    // Applies the held record to the target. True when it was applied (or
    // needs nothing); false when the target is missing or empty, the id is
    // unknown, or an exception stopped the operation (the target may then be
    // partly changed).
    bool Apply();

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
    Magick::Image m_shapeFrameImage;
    Magick::Image m_grungeFrameImage;
    Magick::Image m_pictureFrameImage;
    Magick::Image m_vintageFrameImage;
    Magick::Image m_textureImage;

    // Files the cached logo, masks and texture were read from.
    QString m_logoPath;
    QString m_maskLandscapePath;
    QString m_maskPortraitPath;
    QString m_texturePath;

    // Keys of the cached frames (-1: nothing cached).
    qint32 m_shapeFrameStyle = -1;
    qint32 m_shapeFrameEdge = 0;
    qint32 m_grungeFrameStyle = -1;
    qint32 m_pictureFrameStyle = -1;
    qint32 m_vintageFrameStyle = -1;

    SFilterRecord m_record;
    SImageProperties m_properties;
    qint64 m_pageIndex = 0;
    QString m_sourcePath;

    // Exception record for operations that call the ImageMagick core
    // directly; valid only while Apply dispatches.
    MagickCore::ExceptionInfo* m_exception = nullptr;
};
