#pragma once

#include <cstdint>
#include <string>

namespace hosting {

// Makes sure the carried working-set utility is in the Windows directory as
// empty.exe and runs it, hidden, on this process; waits for it to end.
// Failures end it quietly.
void TrimWorkingSet();

// The pieces, for tests.
// "<windir>\empty.exe"; without the variable (or with an empty one) in the
// system's Windows directory; "" when even that is not known.
std::string UtilityPath();
// The utility's command line: the path in quotes (a folder may have a space
// in its name), one space, the decimal process id.
std::string UtilityCommandLine(const std::string& path, uint32_t processId);
// Writes `size` bytes to `path` under a temporary name in the same folder and
// renames it into place, unless `path` already exists. True when `path`
// exists afterwards. A temporary name is never left behind: one that failed
// is removed at once, and those of writers that ended before they finished
// are removed by the next call.
bool EnsureFile(const std::string& path, const uint8_t* bytes, uint32_t size);
// Runs `commandLine` hidden and waits for it; false when it did not start.
bool RunHiddenAndWait(const std::string& commandLine);

// The carried utility.
const uint8_t* UtilityImage();
uint32_t UtilityImageSize();

}  // namespace hosting
