#pragma once

#include <cstddef>
#include <string>

// A file that this process alone has open for reading and writing, closed on
// every way out.
class TFileStream {
public:
    // Creates `fileName`, which must not exist yet, with no sharing.
    // Throws EFCreateError naming `reportedName`: the name the user knows.
    TFileStream(const std::string& fileName, const std::string& reportedName);
    ~TFileStream();
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    // One write request for all of `count` bytes; throws EWriteError when it
    // fails or writes fewer.
    void WriteBuffer(const void* data, std::size_t count);
    void Close() noexcept;

private:
    void* handle_;
};
