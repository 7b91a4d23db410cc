#pragma once

#include <string>
#include <string_view>

// The text an error report shows for an exception message: a full stop is
// added when the message ends in a character above "." (a letter, a digit,
// ":", "?"...), so the box reads as a sentence without doubling punctuation.
std::string ReportText(std::string_view message);
