#pragma once

// The temporary files a run has in flight, so that a signal that ends the run
// can remove them. A fixed table of slots, taken and given back without locks:
// removeAll() may run in a signal handler at any moment.
namespace temp_files {

// The longest name a slot keeps, its NUL included.
inline constexpr unsigned kNameBytes = 64;

// Holds name, in the folder behind dirFd, until release(slot); the slot, or -1
// when the table is full or the name too long (the file is then not removed
// on a signal, and nothing else changes).
int hold(int dirFd, const char* name);
void release(int slot);
// Removes every file held. Async-signal-safe.
void removeAll();

}  // namespace temp_files
