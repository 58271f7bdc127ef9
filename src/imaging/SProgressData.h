#pragma once

#include <QString>
#include <QtGlobal>

#include <atomic>

// Progress and abort record of one image manager's preview operations. The
// abort flag is set from the interface thread while the worker runs, so it is
// atomic; the other fields are used on the worker's thread only.
struct SProgressData
{
    QString statusText;
    bool done = false;
    std::atomic<bool> abort{false};
    quint32 percent = 0;
};
