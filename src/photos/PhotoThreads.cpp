// The threads photo files are looked up and read on, which the program's exit never waits for.
#include "PhotoThreads.h"

#include <cstdio>
#include <cstdlib>

QThreadPool& PhotoThreads::pool() {
    // Deliberately never deleted (its destructor would join a stuck read); a static pointer keeps
    // it reachable, so leak checkers do not count it, and the threads end with the process.
    static QThreadPool* const threads = [] {
        auto* made = new QThreadPool;
        made->setMaxThreadCount(64);
        return made;
    }();
    return *threads;
}

int PhotoThreads::leave(int status) {
    if (pool().activeThreadCount() == 0)
        return status;
    std::fflush(nullptr);
    std::_Exit(status);
}
