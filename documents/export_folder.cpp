#include "export_folder.h"

#include "file_system.h"

#include <string>

void EnsureExportFolder() noexcept { CreateFolder(std::string(ExportFolder)); }
