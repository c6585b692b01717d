/* Counts the heap allocations of the whole process, the C libraries' included: the program
   that links this file takes malloc, calloc, realloc and the aligned forms in front of the C
   library's allocator, which still does the work. */
#include <stddef.h>

#include "allocation_counter.h"

extern void* __libc_malloc(size_t size);
extern void* __libc_calloc(size_t count, size_t size);
extern void* __libc_realloc(void* block, size_t size);
extern void* __libc_memalign(size_t alignment, size_t size);

static unsigned long long allocations;

unsigned long long allocation_count(void) { return allocations; }

void* malloc(size_t size) {
  ++allocations;
  return __libc_malloc(size);
}

void* calloc(size_t count, size_t size) {
  ++allocations;
  return __libc_calloc(count, size);
}

void* realloc(void* block, size_t size) {
  ++allocations;
  return __libc_realloc(block, size);
}

void* memalign(size_t alignment, size_t size) {
  ++allocations;
  return __libc_memalign(alignment, size);
}

void* aligned_alloc(size_t alignment, size_t size) {
  ++allocations;
  return __libc_memalign(alignment, size);
}

int posix_memalign(void** out, size_t alignment, size_t size) {
  void* block;
  if (alignment < sizeof(void*) || (alignment & (alignment - 1)) != 0) return 22; /* EINVAL */
  ++allocations;
  block = __libc_memalign(alignment, size);
  if (block == NULL) return 12; /* ENOMEM */
  *out = block;
  return 0;
}
