#include "EveryCore.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

namespace {

// Asked once, as the program starts: the question reads a file of the system, and no game
// should have to. hardware_concurrency() says 0 when it cannot tell.
const int Cores = int(std::max(1u, std::thread::hardware_concurrency()));

} // namespace

void RunOnEveryCore(int Jobs, const std::function<void()>& Worker) {
  const int helpers = std::min(Cores, Jobs) - 1;
  std::vector<std::thread> threads;
  threads.reserve(size_t(std::max(0, helpers)));
  for (int i = 0; i < helpers; ++i) {
    try {
      threads.emplace_back(Worker);
    } catch (const std::system_error&) {
      break; // no thread to spare: fewer workers share the jobs
    }
  }
  Worker();
  for (std::thread& thread : threads)
    thread.join();
}
