#include "CPreviewStatusThread.h"

#include "CUserProfile.h"
#include "ProgressMonitors.h"
#include "SProgressData.h"

CPreviewStatusThread::CPreviewStatusThread(QObject* parent) : QThread(parent)
{
}

CPreviewStatusThread::~CPreviewStatusThread()
{
    // A callback on another preview thread must never reach a destroyed
    // worker: unregister under the same lock the callbacks report under.
    UnregisterProgressThread(this);
}

void CPreviewStatusThread::UpdateStatusBar(SProgressData* record)
{
    if (!record || IsStopping())
        return;
    CUserProfile* profile = CUserProfile::GetInstance();
    if (record->done || record->abort.load())
        profile->SetPreviewComment(QString());
    else
        profile->SetPreviewComment(record->statusText);
}
