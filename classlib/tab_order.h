#pragma once

#include <cstddef>
#include <optional>

// Keyboard navigation over `count` controls in tab order: the next or the
// previous one from `current`, wrapping around at both ends. With no current
// control, forward starts at the first and backward at the last.
std::optional<std::size_t> NextInTabOrder(std::size_t count, std::optional<std::size_t> current, bool forward);
