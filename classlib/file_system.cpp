#include "file_system.h"

#include "text.h"

#include <windows.h>

bool CreateFolder(const std::string& path) noexcept {
    return CreateDirectoryW(WideFromText(path).c_str(), nullptr) != 0;
}

bool HasReadOnlyAttribute(const std::string& path) noexcept {
    const DWORD attributes = GetFileAttributesW(WideFromText(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

ReplaceOutcome MoveReplacing(const std::string& from, const std::string& to) noexcept {
    // MOVEFILE_WRITE_THROUGH makes Windows flush the rename before returning
    // (Wine ignores it).
    if (MoveFileExW(WideFromText(from).c_str(), WideFromText(to).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return ReplaceOutcome::Replaced;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION ? ReplaceOutcome::SharingViolation
                                                     : ReplaceOutcome::Refused;
}

void DeleteFileQuietly(const std::string& path) noexcept { DeleteFileW(WideFromText(path).c_str()); }

unsigned long CurrentProcessId() noexcept { return GetCurrentProcessId(); }

void SleepMilliseconds(unsigned milliseconds) noexcept { Sleep(milliseconds); }
