#pragma once

#include <cstddef>
#include <string>

// A read-only view of a resource embedded in the program's own executable.
// The bytes stay where the loader mapped them; nothing is copied.
class TResourceStream {
public:
    // Throws EResNotFound when no resource of that type and name can be loaded.
    TResourceStream(const std::string& resourceName, const std::string& resourceType);
    TResourceStream(const TResourceStream&) = delete;
    TResourceStream& operator=(const TResourceStream&) = delete;

    const std::byte* Memory() const noexcept { return memory_; }
    std::size_t Size() const noexcept { return size_; }

private:
    const std::byte* memory_ = nullptr;
    std::size_t size_ = 0;
};
