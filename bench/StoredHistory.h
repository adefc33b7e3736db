#pragma once
// Velmar's machine history as the least program handles it: keys "1", "2",
// ... of HKCU\Software\Velmar\Machine read up to the first missing one, and
// written back after the section is deleted. The bench's floor for Velmar's
// start and close (bare_window.cpp built with BENCH_WITH_HISTORY).

namespace bench {

void ReadHistory();
void WriteHistory();

}  // namespace bench
