#pragma once

#include <Magick++.h>

// Progress callbacks of preview operations. The client data is the image
// manager's SProgressData (null: report nothing, never stop). Both store the
// percentage and stop the running operation once the record's abort flag is
// set. ImageMagick raises nothing when a monitor stops it, so callers check
// the abort flag themselves after each monitored call.
MagickCore::MagickBooleanType MagickProgressMonitor(const char* text, MagickCore::MagickOffsetType offset,
                                                    MagickCore::MagickSizeType extent, void* record);
bool ProgressMonitor(long long done, long long total, void* record);
