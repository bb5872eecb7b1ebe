// Starts each program in turn, many times, and prints for each the median time from
// exec to its first paint and the median peak resident size.
// Usage: measure_startup RUNS PROGRAM...
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

struct Sample {
  double milliseconds = 0;
  long kilobytes = 0;
};

long long NowNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// One start: the child's stdout comes through a pipe, its peak memory from wait4.
bool StartOnce(const char* program, Sample& sample) {
  int fds[2];
  if (pipe(fds) != 0) return false;
  const long long started = NowNs();
  const pid_t child = fork();
  if (child == 0) {
    dup2(fds[1], STDOUT_FILENO);
    close(fds[0]);
    close(fds[1]);
    execl(program, program, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(fds[1]);
  std::string out;
  char buffer[256];
  for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;) out.append(buffer, n);
  close(fds[0]);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  long long painted = 0;
  if (std::sscanf(out.c_str(), "paint %lld", &painted) != 1) return false;
  sample = {static_cast<double>(painted - started) / 1e6, usage.ru_maxrss};
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

template <typename T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s RUNS PROGRAM...\n", argv[0]);
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  const int programs = argc - 2;
  std::vector<std::vector<double>> times(programs);
  std::vector<std::vector<long>> sizes(programs);
  for (int run = 0; run < runs; ++run) {
    // Side by side: each run starts every program once, so drift hits all alike.
    for (int p = 0; p < programs; ++p) {
      Sample sample;
      if (!StartOnce(argv[p + 2], sample)) {
        std::fprintf(stderr, "%s did not report its first paint\n", argv[p + 2]);
        return 1;
      }
      times[p].push_back(sample.milliseconds);
      sizes[p].push_back(sample.kilobytes);
    }
  }
  for (int p = 0; p < programs; ++p) {
    std::printf("%s %.1f %ld\n", argv[p + 2], Median(times[p]), Median(sizes[p]));
  }
  return 0;
}
