#include "open_embedded_document.h"

#include "export_folder.h"
#include "file_replacement.h"
#include "resource_stream.h"
#include "shell.h"

std::string ExportPath(const TDocumentEntry& entry) {
    std::string path(ExportFolder);
    path += '\\';
    path += entry.FileName;
    return path;
}

void OpenEmbeddedDocument(const TDocumentEntry& entry, WindowRef owner) {
    EnsureExportFolder();
    const TResourceStream document(std::string(entry.ResourceName), "FILE");
    const std::string path = ExportPath(entry);
    WriteFileReplacing(path, document.Memory(), document.Size());
    ShellOpen(owner, path);
}
