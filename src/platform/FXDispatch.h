#pragma once

#include <chrono>
#include <functional>

// The two queues the program runs work on: the main queue, drained by the application's event
// loop on the main thread, and a background queue backed by a thread pool of its own.
// Both need a QCoreApplication (or one of its subclasses) to exist.
namespace FXDispatch {

using Block = std::function<void()>;

// Runs `block` later on the main thread, from its event loop.
void mainAsync(Block block);

// Runs `block` on the main thread and returns once it has run. Called on the main thread it runs
// the block at once; from any other thread it waits for the main thread's event loop.
void mainSync(const Block &block);

// Runs `block` on a thread of the background pool. Unlike Qt's global pool, the process never
// waits for it at exit: whoever starts long work makes it stoppable and waits for it.
void backgroundAsync(Block block);

// Main thread only: waits at most `timeout` for the background queue to run dry, meanwhile
// running the main queue, so that work waiting for the main thread can end. True when dry.
bool waitForBackgroundWork(std::chrono::milliseconds timeout);

bool isMainThread();

}
