#pragma once
// How background reader threads share the machine.
#include <cstdint>

// Lowers the calling thread's priority a little and marks it as batch work, so that while background
// threads keep every core busy, the thread that hands them work or takes their results, and the
// window, still run the moment they are ready. Does nothing where the system refuses.
void LowerThisThreadPriority();

// Blocks of 512 bytes the calling thread has had read from a disk so far: reads served from the page
// cache add nothing. 0 where the system does not count them.
uint64_t ThreadDiskReadBlocks();

// How many file descriptors the process may have open at once.
int DescriptorLimit();
