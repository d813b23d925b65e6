#pragma once

namespace framework::testing {

// The trim threads the test program's windows have started that have run.
int TrimThreadsRun();

}  // namespace framework::testing
