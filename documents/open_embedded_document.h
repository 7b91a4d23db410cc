#pragma once

#include "document_entry.h"
#include "window_ref.h"

#include <string>

// Where a document is written: the export folder, "\", its file name.
std::string ExportPath(const TDocumentEntry& entry);

// Writes the document embedded under type "FILE" and the entry's resource
// name, byte for byte, to its export path, then asks the shell to open it on
// behalf of `owner`. Throws EResNotFound when the document is not embedded,
// EFCreateError or EWriteError when it cannot be written; the shell's answer
// is not examined.
void OpenEmbeddedDocument(const TDocumentEntry& entry, WindowRef owner);
