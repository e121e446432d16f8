#include "sdk/FCompressionPool.h"

#include <algorithm>

FCompressionPool::FCompressionPool(unsigned threads, std::size_t window_)
    : window(std::max<std::size_t>(window_, 1))
{
    workers.reserve(std::max(threads, 1u));
    for (unsigned i = 0; i < std::max(threads, 1u); ++i)
        workers.emplace_back([this] { Work(); });
}

FCompressionPool::~FCompressionPool()
{
    {
        std::lock_guard lock(mutex);
        stopping = true;
    }
    jobQueued.notify_all();
    for (auto& worker : workers)
        worker.join();
}

std::future<std::vector<U8>> FCompressionPool::Submit(Job job)
{
    Pending pending { std::move(job), {} };
    auto result = pending.result.get_future();
    {
        std::unique_lock lock(mutex);
        jobFinished.wait(lock, [this] { return unfinished < window; });
        ++unfinished;
        queue.push_back(std::move(pending));
    }
    jobQueued.notify_one();
    return result;
}

void FCompressionPool::Work()
{
    for (;;) {
        Pending pending;
        {
            std::unique_lock lock(mutex);
            jobQueued.wait(lock, [this] { return stopping || !queue.empty(); });
            if (queue.empty())
                return;
            pending = std::move(queue.front());
            queue.pop_front();
        }
        // A failure inside the job (memory) travels to whoever waits for its result.
        try {
            pending.result.set_value(pending.job());
        } catch (...) {
            pending.result.set_exception(std::current_exception());
        }
        // The job's input goes now, not with the result the movie keeps until it is written.
        pending = {};
        {
            std::lock_guard lock(mutex);
            --unfinished;
        }
        jobFinished.notify_one();
    }
}
