#pragma once

// Exit status of the program. A script handed in at start decides it; an
// interactive session ends with the event loop's result (0); a start without
// a display that is not a script run ends at once.
namespace ExitCodes {
constexpr int Success = 0;      // the job ran (or the window was closed)
constexpr int LoadFailed = 1;   // the script could not be read: nothing was processed
constexpr int RunErrors = 2;    // the job ran, but some photos failed, the delivery failed or the run was stopped
constexpr int NotStarted = 3;   // the job could not start (no photos, no usable destination)
constexpr int NoDisplay = 1;    // no display for the window, and no script to run without one
} // namespace ExitCodes
