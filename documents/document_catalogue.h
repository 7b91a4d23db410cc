#pragma once

#include "document_entry.h"

#include <array>

// The seven documents, in the tab order of their buttons on the main window.
extern const std::array<TDocumentEntry, 7> DocumentCatalogue;
