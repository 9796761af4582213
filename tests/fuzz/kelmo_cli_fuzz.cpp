// libFuzzer target: the whole kelmo-cli command line, run in-process. The input is split at
// NUL bytes into the arguments after the program's name. Arguments that would reach outside
// the process (files to read or write, the running Timer, the chart's Qt fonts) or run for
// long (many days) are left out, so every run is a pure computation on the built-in
// configuration at a fixed moment.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/run_cli.h"
#include "platform/clock.h"

namespace {

constexpr std::size_t kMaxArguments = 24;
constexpr std::size_t kMaxDigitsOfDays = 2;  // with --days: no number beyond 99

// Discards what it is given and reports success.
class NullBuffer final : public std::streambuf {
  protected:
    int overflow(int c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

bool startsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

std::size_t longestDigitRun(std::string_view text) {
    std::size_t longest = 0, run = 0;
    for (const char c : text) {
        run = c >= '0' && c <= '9' ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

// False for command lines that leave the process or run for long.
bool isContained(const std::vector<std::string>& args) {
    bool days = false;
    std::size_t digits = 0;
    for (const std::string& a : args) {
        if (startsWith(a, "--out") || startsWith(a, "--config") || a == "timer" || a == "chart") {
            return false;
        }
        days = days || startsWith(a, "--days");
        digits = std::max(digits, longestDigitRun(a));
    }
    return !days || digits <= kMaxDigitsOfDays;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args = {"kelmo-cli"};
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (!rest.empty() && args.size() <= kMaxArguments) {
        const std::size_t end = std::min(rest.find('\0'), rest.size());
        args.emplace_back(rest.substr(0, end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    if (!isContained(args)) return 0;
    std::vector<const char*> argv;
    for (const std::string& a : args) argv.push_back(a.c_str());

    static NullBuffer discard;
    std::streambuf* const out = std::cout.rdbuf(&discard);
    std::streambuf* const err = std::cerr.rdbuf(&discard);
    const kelmo::platform::FixedClock clock({2026, 3, 20, 12, 0, 0});
    const int status = kelmo::cli::runKelmoCli(static_cast<int>(argv.size()), argv.data(), clock);
    std::cout.rdbuf(out);
    std::cerr.rdbuf(err);
    if (status < 0 || status > 2) std::abort();
    return 0;
}
