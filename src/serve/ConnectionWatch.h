#pragma once

#include <cstddef>

// Watches the server's connections so that no client can hold a worker or
// memory for long: every connection the HTTP library accepts is known by its
// descriptor from then until it is closed.
//
// The library (cpp-httplib 0.11) reads a request line or header line whole
// before it measures it, however long, and gives a slow client five seconds
// for every read. So the reads themselves are counted: the program's own
// accept(), recv() and close() stand in for the C library's (the library's
// calls bind to them), and a connection whose unanswered request grows past
// kRequestBudget bytes reads as reset. A watchdog thread shuts down a
// connection that has waited kDeadline seconds for its next request to end,
// or as long for its answer to go out.
namespace connection_watch {

inline constexpr long kRequestBudget = 24 * 1024;  // a head and body of 8 KiB, and slack
inline constexpr int kDeadline = 10;               // seconds

// The descriptor the calling thread last accepted.
int lastAccepted();
// The calling worker's connection is being answered, and has been answered
// (a new request may come).
void answering();
void answered();
// Starts the watchdog; the hooks count from the first accept on anyway.
void start();
// Begins the end: every connection waiting for a request that has not begun
// to come is shut down at once, the others when they end, at most
// graceSeconds from now.
void stop(int graceSeconds);
// Waits for the watchdog, which ends once every connection is closed.
void finish();
// The connections open now.
size_t open();

}  // namespace connection_watch
