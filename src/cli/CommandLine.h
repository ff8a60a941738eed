#pragma once
// The jobs Orvex does from its command line, without a window of its own.

#include <string>
#include <string_view>
#include <vector>

// Where the command line's text goes: UTF-8 throughout.
class TextStream {
public:
    virtual ~TextStream() = default;
    // False when the text could not be written.
    virtual bool Write(std::string_view utf8) = 0;
};

// Does what the arguments (those after the program's name) ask, writing the result to `out` (or to
// the file of --out) and complaints to `errors`; returns the exit status of cli/Arguments.h.
int RunCommandLine(const std::vector<std::wstring>& arguments, TextStream& out, TextStream& errors);
