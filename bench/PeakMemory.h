// The peak resident memory of this process, as the kernel counts it.
#pragma once

#include <QtGlobal>

class PeakMemory final {
public:
    // VmHWM in kilobytes, or -1 when it cannot be read.
    static qint64 residentKb();
};
