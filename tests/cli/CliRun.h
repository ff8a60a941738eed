#pragma once
// The command line run in this process, its output and complaints caught as text.

#include "cli/CommandLine.h"
#include "common/ValueFormat.h"

#include <windows.h>

#include <string>
#include <vector>

namespace cli_test {

class Captured final : public TextStream {
public:
    bool Write(std::string_view utf8) override {
        text += utf8;
        return true;
    }
    std::string text;
};

struct CliRun {
    int status = -1;
    std::string out;
    std::string errors;
};

inline CliRun RunCli(const std::vector<std::wstring>& arguments) {
    Captured out, errors;
    CliRun run;
    run.status = RunCommandLine(arguments, out, errors);
    run.out = std::move(out.text);
    run.errors = std::move(errors.text);
    return run;
}

inline std::wstring HandleArgument(HWND hwnd) {
    return orvex::FormatPointer(reinterpret_cast<UINT_PTR>(hwnd));
}

} // namespace cli_test
