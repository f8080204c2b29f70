#pragma once

#include <functional>

// The two queues the program runs work on: the main queue, drained by the application's event
// loop on the main thread, and a global background queue backed by a thread pool.
// Both need a QCoreApplication (or one of its subclasses) to exist.
namespace FXDispatch {

using Block = std::function<void()>;

// Runs `block` later on the main thread, from its event loop.
void mainAsync(Block block);

// Runs `block` on the main thread and returns once it has run. Called on the main thread it runs
// the block at once; from any other thread it waits for the main thread's event loop.
void mainSync(const Block &block);

// Runs `block` on a thread of the global background pool.
void backgroundAsync(Block block);

bool isMainThread();

}
