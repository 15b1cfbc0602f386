// The run report, for long unattended runs of the real game: with the environment variable
// VELTRANE_FRAME_REPORT set to a number N, standard error gets a line every N presented
// frames with the process's resident memory, and a line at each model and tune load,
// which tells from outside which scene the game has reached. Unset, it is silent.
#pragma once

namespace win32 {

// Called by the device once per presented frame. Every N frames writes
// "veltrane: frame <count> resident <KiB> KiB peak <KiB> KiB".
void CountPresentedFrame();

// The frames presented since the process started.
long PresentedFrames();

// Writes "veltrane: frame <count> load <kind> <name>", the count being the frames presented so far.
void ReportLoad(const char* kind, const char* name);

// Called once when the game has ended: "veltrane: frame <count> end resident <KiB> KiB peak <KiB> KiB",
// the peak being the run's highest resident memory.
void ReportRunEnd();

// The report's period in frames; 0 when the report is off (unset, empty, not a positive number).
long FrameReportPeriod();

}  // namespace win32
