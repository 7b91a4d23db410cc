#include "parked_exception.h"

#include <utility>

namespace {
// One GUI thread: a plain static suffices. Only the first of several errors
// raised within one dispatch is kept; the rest are consequences of it.
std::exception_ptr parked;
}  // namespace

void ParkException(std::exception_ptr error) noexcept {
    if (!parked) parked = std::move(error);
}

std::exception_ptr TakeParkedException() noexcept { return std::exchange(parked, nullptr); }

void RethrowParkedException() {
    if (std::exception_ptr error = TakeParkedException()) std::rethrow_exception(error);
}
