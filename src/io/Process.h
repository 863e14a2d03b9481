#pragma once

// What a run asks of its process before it begins, and how it ends when a
// signal stops it. Only main calls these.
namespace process {

// Reopens each of descriptors 0, 1 and 2 that is closed on /dev/null, so that
// no file the run opens takes the place of standard output (and receives the
// console's text). False when that cannot be done.
bool repairStandardDescriptors();

// A write past the file-size limit fails (EFBIG) and is told like any failed
// write, instead of killing the run (SIGXFSZ is ignored). SIGINT, SIGTERM,
// SIGHUP and SIGPIPE, unless the run was started with them ignored, remove
// the temporary files in flight and clear the progress line, then end the
// run by the same signal (status 128 + its number).
void handleSignals();

}  // namespace process
