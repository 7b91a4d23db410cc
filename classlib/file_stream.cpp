#include "file_stream.h"

#include "exceptions.h"
#include "text.h"

#include <windows.h>

TFileStream::TFileStream(const std::string& fileName, const std::string& reportedName) {
    const std::wstring path = WideFromText(fileName);
    handle_ = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle_ == INVALID_HANDLE_VALUE) throw EFCreateError(reportedName);
}

TFileStream::~TFileStream() { Close(); }

void TFileStream::WriteBuffer(const void* data, std::size_t count) {
    // WriteFile takes 32-bit counts; the documents are far below that.
    if (count > MAXDWORD) throw EWriteError();
    DWORD written = 0;
    if (!WriteFile(handle_, data, static_cast<DWORD>(count), &written, nullptr) || written != count) {
        throw EWriteError();
    }
}

void TFileStream::Close() noexcept {
    if (handle_ != INVALID_HANDLE_VALUE) {
        CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }
}
