// The threads photo files are looked up and read on, which the program's exit never waits for.
#pragma once

#include <QThreadPool>
#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <optional>

class PhotoThreads final {
public:
    // A pool of its own, not Qt's global one: the application waits for the global pool when it
    // ends, so one read stuck on a share that stopped answering would hold the exit for ever.
    // Enough threads that reads stuck for good never keep others from starting.
    static QThreadPool& pool();

    // The exit status of a program whose work is done and saved. While a read still runs, the
    // process ends here at once instead: that read's thread would race the teardown of Qt and its
    // image plug-ins and could crash, and a crash's core dump waits for a read stuck on a share.
    static int leave(int status);

    // Runs `work` on the pool and waits for it at most `wait`; nothing when it has not ended by
    // then, and it is left to end on its own.
    template <typename T>
    static std::optional<T> within(std::chrono::milliseconds wait, std::function<T()> work) {
        auto answer = std::make_shared<std::promise<T>>();
        std::future<T> future = answer->get_future();
        pool().start([answer, work = std::move(work)] { answer->set_value(work()); });
        if (future.wait_for(wait) != std::future_status::ready)
            return std::nullopt;
        return future.get();
    }
};
