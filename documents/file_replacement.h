#pragma once

#include <cstddef>
#include <string>

// Makes `path` hold exactly `size` bytes from `data`, or leaves it as it was.
// The bytes go to a new temporary file beside it in one write request, and
// that file then replaces `path` in one step, so a failure never leaves a
// half-written file under the real name or destroys the previous copy.
// Throws EFCreateError naming `path` when the file cannot be created or
// replaced (read-only, held open, a folder of that name, no such folder) and
// EWriteError when the write fails or falls short; no temporary file is left
// behind either way.
void WriteFileReplacing(const std::string& path, const std::byte* data, std::size_t size);
