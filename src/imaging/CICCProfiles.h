#pragma once

#include <Magick++.h>

#include <QBasicMutex>
#include <QString>

#include <atomic>

// The process-wide store of the three ICC profiles the image engine converts
// with: sRGB, CMYK (both from the Resources folder) and the user's custom
// profile. Each is read from disk once, under one mutex, and then shared
// read-only by every image manager on every thread.
class CICCProfiles
{
public:
    enum Which { SRGB = 0, CMYK = 1, Custom = 2 };

    static CICCProfiles* GetInstance();

    // Makes sure profile 0 (sRGB), 1 (CMYK) or 2 (custom) is loaded. A
    // missing sRGB or CMYK file leaves that profile empty and is tried again
    // next time; a missing custom file falls back to the sRGB file.
    void LoadIccProfile(int which);

    static QString SRGBPath();
    static QString CMYKPath();

    // Whether the colour engine can open the profile, so that an image can
    // be converted from or to it. A damaged profile embedded in a photo
    // (one cut short, or bytes that are no profile) fails every conversion
    // that starts from it.
    static bool IsUsable(const Magick::Blob& profile);

    // Written only under the mutex, before the matching flag is set; read
    // without the lock after LoadIccProfile has returned.
    Magick::Blob srgbProfile;
    Magick::Blob cmykProfile;
    Magick::Blob customProfile;
    std::atomic<bool> srgbLoaded{false};
    std::atomic<bool> cmykLoaded{false};
    // Cleared by the format options when another custom file is chosen.
    std::atomic<bool> customLoaded{false};

    static QBasicMutex mutex;

private:
    CICCProfiles();
    QString CustomPath() const;
};
