#pragma once

#include "sdk/FTypes.h"

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

// Worker threads that compress bitmaps while the movie is still being assembled. Each job owns
// its input and gives its bytes through a future, which the tag waits for only when the movie
// is written; the job, and so its input, is released as soon as it has run. At most `window` jobs
// are queued or running at once: Submit waits for one to finish first, so the inputs held by the
// pool stay a bounded amount of memory however long the movie is. The pool touches no state of the
// writer (character ids, streams), so ids and output bytes are those of a run without it.
class FCompressionPool
{
public:
    using Job = std::function<std::vector<U8>()>;

    FCompressionPool(unsigned threads, std::size_t window);
    // Runs the jobs already submitted to their end, then stops the threads.
    ~FCompressionPool();
    FCompressionPool(const FCompressionPool&) = delete;
    FCompressionPool& operator=(const FCompressionPool&) = delete;

    std::future<std::vector<U8>> Submit(Job job);
    std::size_t Window() const { return window; }

private:
    void Work();

    const std::size_t window;
    std::mutex mutex;
    std::condition_variable jobQueued;
    std::condition_variable jobFinished;
    struct Pending {
        Job job;
        std::promise<std::vector<U8>> result;
    };
    std::deque<Pending> queue;
    std::size_t unfinished = 0; // queued or running
    bool stopping = false;
    std::vector<std::thread> workers;
};
