#include "platform/reader_threads.h"

#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>

void LowerThisThreadPriority() {
  constexpr int kBackgroundNice = 5;
  // A batch thread never takes the processor from the thread that woke it, so a thread handing out
  // work keeps running while it wakes readers.
  const sched_param parameters{};
  sched_setscheduler(0, SCHED_BATCH, &parameters);
  // On Linux a nice value belongs to the thread whose id is given, not to the whole process.
  const int current = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
  setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), current + kBackgroundNice);
}

uint64_t ThreadDiskReadBlocks() {
  rusage usage{};
  if (getrusage(RUSAGE_THREAD, &usage) != 0) return 0;
  return static_cast<uint64_t>(usage.ru_inblock);
}

int DescriptorLimit() {
  rlimit limit{};
  if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return 1 << 20;
  return static_cast<int>(std::min<rlim_t>(limit.rlim_cur, 1 << 20));
}
