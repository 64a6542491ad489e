#pragma once

// Validation, the error chain (64, 67, 65, 65) and the dispatch to help,
// version-only and info, which outrank every error. Shows the banner a
// generating run asked for. True when the generating run is to go on.
bool RunChecks();
