// How many bytes this process reads from files, taken from /proc/self/io ("rchar", which
// counts every read(2), pread(2) and their relatives): the tests that pin how much a scan or a
// load reads and the benchmark that reports it share this one probe.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace readcounter {

// The bytes read before this probe (-1 when /proc cannot tell), and the length of the probe's
// own read, which the counter includes from then on.
inline std::pair<std::int64_t, std::int64_t> Probe() {
  char text[512];
  const int fd = ::open("/proc/self/io", O_RDONLY | O_CLOEXEC);
  const ssize_t length = fd < 0 ? -1 : ::read(fd, text, sizeof text - 1);
  if (fd >= 0)
    ::close(fd);
  if (length <= 0)
    return {-1, 0};
  text[length] = '\0';
  const char* rchar = std::strstr(text, "rchar:");
  return {rchar ? std::strtoll(rchar + 6, nullptr, 10) : -1, length};
}

// A mark to measure reads from; BytesReadSince(mark) leaves both probes out.
inline std::int64_t ReadMark() {
  const auto [count, probe] = Probe();
  return count + probe;
}

inline std::int64_t BytesReadSince(std::int64_t Mark) {
  return Probe().first - Mark;
}

} // namespace readcounter
