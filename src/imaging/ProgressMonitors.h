#pragma once

#include <Magick++.h>

class CPreviewStatusThread;
class QThread;

// Progress callbacks of preview operations. The client data is the image
// manager's SProgressData (null: report nothing, never stop). Both store the
// percentage, pass the record to the registered preview thread's status line
// and stop the running operation once the record's abort flag is set.
// ImageMagick raises nothing when a monitor stops it, so callers check the
// abort flag themselves after each monitored call.
MagickCore::MagickBooleanType MagickProgressMonitor(const char* text, MagickCore::MagickOffsetType offset,
                                                    MagickCore::MagickSizeType extent, void* record);
bool ProgressMonitor(long long done, long long total, void* record);

// The preview thread that receives every report: the last one to start an
// operation. A thread that is not a preview thread (or null) registers none.
void RegisterProgressThread(QThread* worker);
// Clears the registration when it is still worker's.
void UnregisterProgressThread(CPreviewStatusThread* worker);
CPreviewStatusThread* RegisteredProgressThread();
