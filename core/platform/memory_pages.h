// The memory pages the heap is made of. A large building fills hundreds of megabytes of fresh
// heap; taken in pages of 4 KiB, the page faults and address translation cost the command line
// tool as much processor time as the calculation. Where the system gives large pages (2 MiB)
// only to a program that asks for them, as Linux commonly does, the C library asks for its heap
// when its tuning variable says so, and that variable is read once, when a program starts.
#pragma once

namespace kesto {

// Starts the running program again, with the same arguments and the C library told to back its
// heap with large pages. Returns without doing anything where that is not possible or already
// done, and when the restart fails; the program then runs as it was started.
void restartWithLargeMemoryPages(char** argv);

}  // namespace kesto
