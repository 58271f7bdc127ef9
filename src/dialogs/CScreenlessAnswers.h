#pragma once

#include "CPromptSeam.h"

#include <QString>

// Answers the questions of a script run that has no screen, so that nothing
// waits for a person who is not there, and the run still does what the job
// says. With DisableNotifications on, a question is answered as such a job
// is answered anyway (outputs replaced, the run goes ahead); with it off, by
// the answer that keeps every file: existing outputs are kept (No to All),
// a run that would delete its sources does not start, a missing output
// folder is created, and the delivery keeps its files. Each answer is
// reported as one line for standard error.
class CScreenlessAnswers
{
public:
    explicit CScreenlessAnswers(bool disableNotifications);

    // The answer to a prompt and the line that reports it.
    CPromptSeam::SAnswer Answer(const CPromptSeam::SPrompt& prompt, QString& report) const;
    // An answerer for CPromptSeam::SetAnswerer that writes each report to
    // standard error.
    CPromptSeam::Answerer Answerer() const;

private:
    bool m_disableNotifications;
};
