#pragma once

/// Measures one keystroke in the find bar over a full log store (5000 lines
/// of 100 to 300 characters): the new pattern's highlights for the rows on
/// screen, and the whole pass that counts every match. Prints the medians.
int runFindBench();
