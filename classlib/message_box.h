#pragma once

#include "window_ref.h"

#include <string>

// Shows a modal error box (error icon, one OK button) owned by `owner`, which
// is disabled while the box is up; the keyboard focus returns to where it was.
void ShowErrorBox(WindowRef owner, const std::string& caption, const std::string& text) noexcept;
