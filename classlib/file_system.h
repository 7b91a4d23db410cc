#pragma once

#include <string>

// The few file-system operations the export needs besides writing a file.
// Paths are the program's code page 1251 text.

// Creates one folder; false when it could not (it exists, no drive, refused...).
bool CreateFolder(const std::string& path) noexcept;

// True when `path` names an existing file or folder with the read-only attribute.
bool HasReadOnlyAttribute(const std::string& path) noexcept;

enum class ReplaceOutcome { Replaced, SharingViolation, Refused };

// Moves `from` over `to` in one step, replacing an existing file at `to`.
ReplaceOutcome MoveReplacing(const std::string& from, const std::string& to) noexcept;

void DeleteFileQuietly(const std::string& path) noexcept;

unsigned long CurrentProcessId() noexcept;

void SleepMilliseconds(unsigned milliseconds) noexcept;
