#include "support/child_peak.h"

namespace kestrin::bench {

std::string Framed(std::string_view head, std::string_view unit, size_t total, std::string_view tail) {
  std::string s;
  s.reserve(head.size() + total + tail.size());
  s.append(head);
  for (size_t n = 0; n + unit.size() <= total; n += unit.size()) s.append(unit);
  s.append(tail);
  return s;
}

}  // namespace kestrin::bench

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

namespace kestrin::bench {

ChildRun RunInChild(const std::function<void()>& work) {
  ChildRun run;
  int fds[2];
  if (pipe(fds) != 0) return run;
  const pid_t pid = fork();
  if (pid < 0) return run;
  if (pid == 0) {
    close(fds[0]);
    const auto start = std::chrono::steady_clock::now();
    work();
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const bool sent = write(fds[1], &s, sizeof s) == static_cast<ssize_t>(sizeof s);
    _exit(sent ? 0 : 1);
  }
  close(fds[1]);
  double s = 0;
  const bool got = read(fds[0], &s, sizeof s) == static_cast<ssize_t>(sizeof s);
  close(fds[0]);
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return run;
  run.ok = got && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  run.seconds = s;
  run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;  // KiB on Linux
  return run;
}

}  // namespace kestrin::bench
#endif
