// Work spread over the cores of the machine.
#pragma once

#include <functional>

// Runs Worker once on each of up to Jobs threads, as many as the machine has cores, the
// calling thread among them, and returns when every run has returned. The workers share out
// the jobs themselves. Worker must not throw.
void RunOnEveryCore(int Jobs, const std::function<void()>& Worker);
