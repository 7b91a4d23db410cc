#include "tab_order.h"

std::optional<std::size_t> NextInTabOrder(std::size_t count, std::optional<std::size_t> current, bool forward) {
    if (count == 0) return std::nullopt;
    if (!current || *current >= count) return forward ? 0 : count - 1;
    return forward ? (*current + 1) % count : (*current + count - 1) % count;
}
