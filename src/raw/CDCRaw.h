#pragma once

#include "SRAWImage.h"

#include <memory>

class LibRaw;

// Identifies camera RAW files and decodes them in memory into 8-bit RGB (or
// grey), rotated as the camera recorded. Each object owns its own decoder
// state, so any number of objects can decode on different threads at once.
// One object serves one call of Convert.
class CDCRaw
{
public:
    // Progress report: done out of total; returning false cancels the decode.
    using ProgressCallback = bool (*)(long long done, long long total, void* userData);

    enum Result { Done = 0, Failed = 1, Cancelled = 100 };

    CDCRaw();
    ~CDCRaw();
    CDCRaw(const CDCRaw&) = delete;
    CDCRaw& operator=(const CDCRaw&) = delete;

    // 0 done (decoded, or identified when the record asks only for that),
    // 1 cannot open / not a RAW file / decoder failure, 100 cancelled. The
    // pixel buffer is allocated only when everything else has succeeded; it is
    // then the caller's to free().
    int Convert(SRAWImage* record);

    ProgressCallback progressCallback = nullptr;

private:
    void ApplyOptions(const SRAWImage& record);
    void FillIdentification(SRAWImage* record) const;
    bool Report(const SRAWImage& record, long long done) const;
    int Decode(SRAWImage* record);

    std::unique_ptr<LibRaw> decoder;
};
