#pragma once

#include <functional>

// Runs the work on a thread of its own and returns once it has ended, rethrowing what it
// threw. Meanwhile the calling thread goes on handling its events, all but the user's
// input: its timers, queued calls and paints keep the program answering. The work must
// not wait for the calling thread, which is busy with it until it ends.
void RunWhileAnswering(const std::function<void()>& work);
