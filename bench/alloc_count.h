#pragma once
// Heap use of the benchmark process, counted by its own global operator new
// and delete: the bytes asked for, without the allocator's rounding.
#include <cstdint>

namespace mirelo::bench {

int64_t LiveHeapBytes();
int64_t HeapAllocations();  // calls to operator new so far

}  // namespace mirelo::bench
