/* The number of heap allocations the process has made so far (allocation_counter.c). */
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

unsigned long long allocation_count(void);

#ifdef __cplusplus
}
#endif
