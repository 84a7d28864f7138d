#include "config/BasicNumbers.h"

#include <cmath>
#include <cstdlib>

namespace zorbel {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The longest prefix of text that reads as a number, with D exponents written as E.
std::string NumberPrefix(const std::string& text) {
    std::size_t at = 0;
    std::string number;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) number += text[at++];
    bool hasDigits = false;
    bool hasPoint = false;
    for (; at < text.size(); ++at) {
        if (IsDigit(text[at])) {
            hasDigits = true;
        } else if (text[at] == '.' && !hasPoint) {
            hasPoint = true;
        } else {
            break;
        }
        number += text[at];
    }
    if (!hasDigits) return {};
    if (at < text.size() && (text[at] == 'E' || text[at] == 'e' || text[at] == 'D' || text[at] == 'd')) {
        std::string exponent = "e";
        std::size_t next = at + 1;
        if (next < text.size() && (text[next] == '+' || text[next] == '-')) exponent += text[next++];
        const std::size_t digitsStart = next;
        while (next < text.size() && IsDigit(text[next])) exponent += text[next++];
        if (next > digitsStart) number += exponent;
    }
    return number;
}

}  // namespace

std::string FormatStr(std::int64_t number) {
    std::string text = number < 0 ? "" : " ";
    text += std::to_string(number);
    return text;
}

std::string FormatStrOfHalf(std::int64_t sum) {
    if (sum % 2 == 0) return FormatStr(sum / 2);
    const std::int64_t whole = std::llabs(sum) / 2;
    std::string text = sum < 0 ? "-" : " ";
    if (whole != 0) text += std::to_string(whole);
    text += ".5";
    return text;
}

double ReadVal(std::string_view text) {
    std::string compact;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') compact += c;
    }
    const std::string number = NumberPrefix(compact);
    // The prefix is checked above, and the program never changes the C
    // locale, so strtod reads exactly it (overflow as HUGE_VAL).
    return number.empty() ? 0.0 : std::strtod(number.c_str(), nullptr);
}

double RoundHalfEven(double number) {
    const double below = std::floor(number);
    const double fraction = number - below;
    if (fraction > 0.5) return below + 1.0;
    if (fraction < 0.5) return below;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

}  // namespace zorbel
