#pragma once

// Small file helpers for tests that run under Windows (or Wine), in UTF-16.
#include <optional>
#include <string>
#include <vector>

namespace test {

std::wstring Widen(const std::string& cp1251);
std::string Narrow(const std::wstring& wide);

// A Unix path as Wine's Z: drive sees it; Windows paths pass unchanged.
std::wstring HostPath(const std::string& path);

std::optional<std::string> ReadFile(const std::wstring& path);
void WriteFile(const std::wstring& path, const std::string& bytes);
bool Exists(const std::wstring& path);
bool IsFolder(const std::wstring& path);
// Names of everything in a folder, without "." and "..".
std::vector<std::wstring> List(const std::wstring& folder);
// Removes a file or a folder with everything in it, read-only or not.
void Remove(const std::wstring& path);

}  // namespace test
