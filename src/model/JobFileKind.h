#pragma once

#include <QString>

// The kinds of job file the program opens by their name: profiles (".gbf")
// and scripts (".gbs").
enum class EJobFileKind { None, Profile, Script };

// The kind of job file that `path` names, told by the extension of its file
// name (after the last "/") compared without regard to case: the desktop's
// file types match "*.gbs" and "*.gbf" so and hand "JOB.GBS" to the program
// as readily as "job.gbs". None for any other name.
EJobFileKind JobFileKind(const QString& path);
