#pragma once

#include <QString>

// Brings ImageMagick up in one place: points its configuration path at the
// Resources folder (our policy.xml with limits fit for large photos on many
// threads) and installs our security policy, which allows the PostScript and
// PDF coders that the system policy may block. Safe to call more than once.
class CMagickRuntime
{
public:
    static bool Initialize(const char* programPath = nullptr);
    static bool IsInitialized();
    static QString PolicyPath();

    // ImageMagick's own threads per operation; a batch lowers it so that
    // workers x these threads stay within the cores.
    static void SetThreadLimit(int threads);
    static int ThreadLimit();
};
