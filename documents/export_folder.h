#pragma once

#include <string_view>

// The folder that receives every exported document.
inline constexpr std::string_view ExportFolder = "c:\\Tervalen";

// Creates the export folder when it is missing. A failure (no drive C:,
// access refused, a file of that name) is not reported here: it shows when a
// document is written into the folder.
void EnsureExportFolder() noexcept;
