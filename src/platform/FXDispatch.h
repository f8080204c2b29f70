#pragma once

#include <functional>

// The two queues the program runs work on: the main queue, drained by the application's event
// loop on the main thread, and a background queue backed by a thread pool of its own.
// Both need a QCoreApplication (or one of its subclasses) to exist.
namespace FXDispatch {

using Block = std::function<void()>;

// Runs `block` later on the main thread, from its event loop.
void mainAsync(Block block);

// Runs `block` on a thread of the background pool. Unlike Qt's global pool, the process never
// waits for it at exit: only work that may be cut short at any moment belongs there.
void backgroundAsync(Block block);

bool isMainThread();

}
