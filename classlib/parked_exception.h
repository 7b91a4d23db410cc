#pragma once

#include <exception>

// No exception may unwind through Win32's own frames. A window procedure parks
// what it caught here, and the frame that called into Win32 (the message loop,
// window creation) takes it back and deals with it.
void ParkException(std::exception_ptr error) noexcept;
std::exception_ptr TakeParkedException() noexcept;
// Rethrows a parked exception, if there is one.
void RethrowParkedException();
