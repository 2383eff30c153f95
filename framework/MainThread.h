#pragma once

#include <functional>

// Queues the call to run on the main thread's event loop; from any thread.
void PostToMainThread(std::function<void()> call);
bool OnMainThread();
