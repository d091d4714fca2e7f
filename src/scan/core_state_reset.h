#pragma once
// Tests: every process-wide record of the core back to its state at start, so that no case sees what
// an earlier one left: the list (rows, columns, observers), the column layout, the sort state, the
// status texts, the find request, the settings record (located again, not read), the colour choice,
// the injected write fault and hook, the scan progress sink, the volume label cache and this thread's
// media info.
void ResetCoreStateForTesting();
