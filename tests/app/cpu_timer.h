#pragma once
// Processor time of this process, so speed checks do not fail when other work loads the machine.
#include <ctime>

class CpuTimer {
 public:
  CpuTimer() : start_(Now()) {}
  long ElapsedMs() const { return (Now() - start_) / 1000000; }

 private:
  static long long Now() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
  }
  long long start_;
};
