#pragma once

#include <cstdint>
#include <string>

namespace hosting {

// Makes sure the carried working-set utility is in the Windows directory as
// empty.exe and runs it, hidden, on this process; waits for it to end.
// Failures end it quietly.
void TrimWorkingSet();

// The pieces, for tests.
// "<windir>\empty.exe"; windir is empty when the variable is not set.
std::string UtilityPath();
// Writes `size` bytes to `path` under a temporary name in the same folder and
// renames it into place, unless `path` already exists. True when `path`
// exists afterwards.
bool EnsureFile(const std::string& path, const uint8_t* bytes, uint32_t size);
// Runs `commandLine` hidden and waits for it; false when it did not start.
bool RunHiddenAndWait(const std::string& commandLine);

// The carried utility.
const uint8_t* UtilityImage();
uint32_t UtilityImageSize();

}  // namespace hosting
