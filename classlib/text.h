#pragma once

#include <string>
#include <string_view>

// The program keeps all its text as code page 1251 bytes; Win32 only ever sees
// UTF-16, converted here, so the file names come out right whatever the
// system's own code page is.
std::wstring WideFromText(std::string_view text);
// Characters that code page 1251 cannot hold become "?".
std::string TextFromWide(std::wstring_view wide);
