#include "navtex/bench/MessageScore.h"

#include <algorithm>
#include <string>
#include <vector>

#include "navtex/MessageReader.h"

namespace navtex::bench {
namespace {

// Upper case without line ends: a receiver may print a line end as CR,
// LF or both, and some print letters in lower case where unsure.
std::string Comparable(std::string_view text) {
    std::string comparable;
    for (const char c : text) {
        if (c == '\r' || c == '\n') continue;
        comparable += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return comparable;
}

double ErrorRate(std::string_view sent, std::string_view read) {
    const std::string left = Comparable(sent), right = Comparable(read);
    std::vector<std::size_t> row(right.size() + 1);
    for (std::size_t j = 0; j < row.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= left.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= right.size(); ++j) {
            const std::size_t substituted = diagonal + (left[i - 1] != right[j - 1]);
            diagonal = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, substituted});
        }
    }
    return left.empty() ? 0.0 : static_cast<double>(row.back()) / static_cast<double>(left.size());
}

}  // namespace

MessageScore ScoreMessage(const SentMessage& sent, std::string_view decoded) {
    MessageReader reader;
    std::vector<NavtexMessage> messages = reader.Read(decoded);
    if (std::optional<NavtexMessage> open = reader.EndOfSignal()) messages.push_back(std::move(*open));
    const std::string_view transmission = sent.transmission;
    const std::size_t bodyStart = transmission.find('\n') + 1;
    const std::string_view body = transmission.substr(bodyStart, transmission.rfind("NNNN") - bodyStart);
    MessageScore score;
    score.errorRate = ErrorRate(transmission, decoded);
    for (const NavtexMessage& message : messages) {
        if (message.id != sent.id || score.headerExact || score.headerRecovered) {
            ++score.otherHeaders;
            continue;
        }
        score.headerExact = !message.headerRecovered;
        score.headerRecovered = message.headerRecovered;
        score.messageErrorRate = ErrorRate("ZCZC " + sent.id + std::string(body), "ZCZC " + message.id + message.text);
    }
    return score;
}

}  // namespace navtex::bench
