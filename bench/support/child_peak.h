#pragma once
// Runs work in a child process and reports its wall time and peak resident
// memory (getrusage ru_maxrss of the child, as /usr/bin/time -v shows it), so
// that each case of a benchmark has a peak of its own. POSIX only.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace kestrin::bench {

struct ChildRun {
  bool ok = false;       // the child ran work and exited 0
  double seconds = 0;    // wall time of work alone, measured in the child
  double peakMiB = 0;    // the child's peak resident set, whole process
};

ChildRun RunInChild(const std::function<void()>& work);

// head, then unit repeated up to total bytes of body, then tail, built in a
// string of exactly that size (an operator+ would leave twice the body
// reserved, counted as the input's).
std::string Framed(std::string_view head, std::string_view unit, size_t total, std::string_view tail);


}  // namespace kestrin::bench
