#ifndef HX_BENCH_CPUTIME_H
#define HX_BENCH_CPUTIME_H

#include <ctime>

namespace hx {
namespace bench {

// CPU time of the calling thread and of the whole process, in milliseconds: unlike wall time it
// does not grow when other programs take the cores.
inline double threadCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

inline double processCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

inline double wallMs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

} // namespace bench
} // namespace hx

#endif
