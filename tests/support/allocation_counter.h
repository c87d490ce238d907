#pragma once
// Counts the heap allocations of a test program, so a test can show that a
// stretch of code (an idle frame, a present) allocates nothing. Linking this
// unit replaces the global operator new of the whole test program.

namespace test_support {

// Allocations made through operator new since the program started.
long AllocationCount();

}  // namespace test_support
