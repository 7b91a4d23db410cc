#pragma once

// An opaque reference to a window, so that code above the class layer can
// pass windows around without seeing a Win32 type. Null means "no window".
struct WindowRef {
    void* handle = nullptr;
};
