#pragma once

#include "window_ref.h"

#include <string>

// Asks the shell to open `path` with the application registered for its type
// (the default action, shown restored). The outcome is the shell's affair:
// nothing is reported.
void ShellOpen(WindowRef owner, const std::string& path) noexcept;
