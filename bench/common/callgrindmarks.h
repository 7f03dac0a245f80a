#ifndef HX_BENCH_CALLGRINDMARKS_H
#define HX_BENCH_CALLGRINDMARKS_H

// Under callgrind (`valgrind --tool=callgrind --instr-atstart=no`) only what lies between the
// marks is counted, so instruction counts compare the measured calls alone; elsewhere the marks
// do nothing.
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_START_INSTRUMENTATION
#define CALLGRIND_STOP_INSTRUMENTATION
#endif

#endif
