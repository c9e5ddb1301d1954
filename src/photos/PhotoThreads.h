// The threads photo files are looked up and read on, which the program's exit never waits for.
#pragma once

#include <QThreadPool>

class PhotoThreads final {
public:
    // A pool of its own, not Qt's global one: the application waits for the global pool when it
    // ends, so one read stuck on a share that stopped answering would hold the exit for ever.
    // Enough threads that reads stuck for good never keep others from starting.
    static QThreadPool& pool();
};
