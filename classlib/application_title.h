#pragma once

#include <string>
#include <string_view>

// The application's title, formed from its executable's full file name (code
// page 1251 text): the folder is dropped, the name is cut at its first ".",
// and every character after the first is lower-cased.
std::string ApplicationTitle(std::string_view moduleFileName);
