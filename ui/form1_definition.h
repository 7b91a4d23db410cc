#pragma once

#include "definition.h"

// Everything about the main window that is fixed at build time: its settings,
// its controls, their places, fonts, tab order, captions and handlers.
extern const TFormDefinition Form1Definition;
