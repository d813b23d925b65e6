#!/bin/bash
# fuzz_loader.sh [SECONDS]: a long libFuzzer run over the module loader's
# parsing core (AddressSanitizer and UBSan), seeded with the test images and
# the skin engine of both machines. Builds the host preset first; prints the
# run's statistics, among them the number of executed inputs. Default 600 s.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
seconds=${1:-600}
cmake --preset host >/dev/null
cmake --build --preset host --target pe_fuzz sample_i686 sample_x86_64 skin_engine_i686 skin_engine_x86_64 >/dev/null
b=build/host
exec tests/hosting/fuzz/run_fuzz.sh "$ROOT/$b/tests/hosting/fuzz/pe_fuzz.bin" "$seconds" "$ROOT/$b/bench/fuzz_loader" \
  "$b/tests/hosting/images/i686/sample.dll" "$b/tests/hosting/images/x86_64/sample.dll" \
  "$b/data/skinengine/i686/skinengine.dll" "$b/data/skinengine/x86_64/skinengine.dll"
