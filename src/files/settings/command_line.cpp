#include "files/settings/command_line.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "base/setting_limits.h"
#include "files/settings/config_line.h"
#include "files/settings/field_scanner.h"

namespace kelmo {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The standard decimal conversion of a word that passed isNumber; false when it does not fit
// an int ("-" and "+" alone give 0).
bool toInt(std::string_view text, int& value) {
    if (!text.empty() && text[0] == '+') text.remove_prefix(1);
    if (text.empty() || text == "-") {
        value = 0;
        return true;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size();
}

bool numberValue(std::string_view word, int& value) {
    return isNumber(word) && toInt(word, value);
}

// A number for a setting Kelmo.cfg stores, brought into the range the file holds and its reader
// accepts (the Configuration dialog may save it later).
bool storedValue(std::string_view word, int high, int& value) {
    if (!numberValue(word, value)) return false;
    value = std::clamp(value, 0, high);
    return true;
}

std::string echoLine(const char* format, int value) {
    char line[96];
    std::snprintf(line, sizeof line, format, value);
    return line;
}

// Applies one option with its value; returns its echo line, empty when the option is unknown,
// its value fails, or it is "/t" (never echoed).
std::string applyOption(std::string_view option, std::string_view value, Config& c) {
    int n = 0;
    if (option == "/f" && storedValue(value, kMaxByteField, n)) {
        c.maxAcceptableError = n;
        return echoLine("New value (%d) for Max-Acceptable-Error is received\n", n);
    }
    if (equalsIgnoringCase(option, "/r") && storedValue(value, kMaxByteField, n)) {
        c.refraction = n;
        return echoLine("New value (%d) for Refraction is received\n", n);
    }
    if (option == "/p" && numberValue(value, n)) {
        c.pressure = n;
        return echoLine("New value (%d) for Pressure is received\n", n);
    }
    if (equalsIgnoringCase(option, "/t") && numberValue(value, n)) {
        c.timerMode = 1;
        if (n > 0) c.alertFlags = n;
        return {};
    }
    if (equalsIgnoringCase(option, "/d") && numberValue(value, n)) {
        c.temperature = n;
        return echoLine("New value (%d) for Temperture is received\n", n);
    }
    if (equalsIgnoringCase(option, "/e") && !value.empty()) {
        c.editor.assign(value.substr(0, Config::kTextLength));
        return "New value (" + c.editor + ") for Editor is received\n";
    }
    if (equalsIgnoringCase(option, "/n") &&
        storedValue(value, static_cast<int>(limits::kNMinutes.high), n)) {
        c.nMinutes = n;
        return echoLine("New value (%d) for nMinutes rule is received\n", n);
    }
    return {};
}

}  // namespace

bool isNumber(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool sign = i == 0 && (text[i] == '+' || text[i] == '-');
        if (!sign && !isDigit(text[i])) return false;
    }
    return true;
}

std::string readCommandLine(std::string_view arguments, Config& config, Prompt& prompt) {
    config.timerMode = 0;
    int count = 0;
    std::string echo;
    FieldScanner scan(arguments);
    std::string_view option, value;
    while (scan.word(option) && scan.word(value)) {
        const std::string line = applyOption(option, value, config);
        if (!line.empty()) {
            echo += line;
            ++count;
        }
    }
    if (count == 0) return {};
    echo += echoLine("Number of entered and accepted values is %d \n", count);
    prompt.showMessage(echo);
    return echo;
}

}  // namespace kelmo
