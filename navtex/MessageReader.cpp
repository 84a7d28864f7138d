#include "navtex/MessageReader.h"

#include <algorithm>

#include "decoder/Ita2.h"
#include "navtex/Subjects.h"

namespace navtex {
namespace {

// "ZCZC B1B2B3B4" and the character after it.
constexpr std::string_view kHeaderStart = "ZCZC ";
constexpr std::size_t kHeaderLength = 9;
constexpr std::size_t kWindow = kHeaderLength + 1;
constexpr std::size_t kMostDamaged = 2;
constexpr std::string_view kEnd = "NNNN";

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// What the same ITA2 code reads as in the other shift: a header character
// read after a lost letters or figures shift ('1' for Q, 'P' for 0).
std::optional<char> InTheOtherShift(char c) {
    using namespace zorbel::decoder;
    const std::vector<std::uint8_t> codes = EncodeIta2(std::string_view(&c, 1));
    if (codes.empty()) return std::nullopt;
    const bool onFigures = codes.size() >= 2 && codes[codes.size() - 2] == kIta2Figures;
    Ita2Reader reader;  // starts on letters
    if (!onFigures) reader.Read(kIta2Figures);
    return reader.Read(codes.back());
}

// One header character: as read if it fits, else what the other shift makes
// of it if that fits, else unknown; damaged unless read as it fits.
char Recover(char read, bool (*fits)(char), std::size_t& damaged) {
    if (fits(read)) return read;
    ++damaged;
    const std::optional<char> shifted = InTheOtherShift(read);
    return shifted && fits(*shifted) ? *shifted : kUnknown;
}

bool IsStationLetter(char c) { return c >= 'A' && c <= 'X'; }

struct Header {
    std::string id;
    std::size_t damaged = 0;
    std::size_t length = kWindow;  // received characters it took, the one after it included
};

// The window ends on the character after a header: a line end or a space.
std::optional<Header> MatchHeader(std::string_view window) {
    Header header;
    for (std::size_t i = 0; i < kHeaderStart.size(); ++i) header.damaged += window[i] != kHeaderStart[i];
    const std::string_view id = window.substr(kHeaderStart.size(), 4);
    // The weather service numbers its RTTY bulletins ZCZC 104: figures where
    // a NAVTEX header has its two letters.
    if (IsDigit(id[0]) && IsDigit(id[1])) return std::nullopt;
    const char after = window[kHeaderLength];
    if (after == kUnknown) {
        ++header.damaged;
    } else if (!IsLineEnd(after) && after != ' ') {
        return std::nullopt;
    }
    header.id += Recover(id[0], IsStationLetter, header.damaged);
    header.id += Recover(id[1], IsSubjectLetter, header.damaged);
    header.id += Recover(id[2], IsDigit, header.damaged);
    header.id += Recover(id[3], IsDigit, header.damaged);
    if (header.damaged > kMostDamaged) return std::nullopt;
    return header;
}

// A character neither copy yielded, or one a receiver marks doubtful: lower
// case where only one copy was valid, or no character NAVTEX sends.
bool IsWrong(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return c == kUnknown || (c >= 'a' && c <= 'z') || byte >= 0x80 || (byte < 0x20 && !IsLineEnd(c));
}

// The header the last characters end with: all in place, or one of its
// characters dropped by the decoder rather than erased, read as if erased.
// The reading with the fewest damaged characters wins.
std::optional<Header> FindHeader(std::string_view recent) {
    std::optional<Header> best;
    if (recent.size() >= kWindow) best = MatchHeader(recent.substr(recent.size() - kWindow));
    if (recent.size() < kWindow - 1) return best;
    const std::string_view shorter = recent.substr(recent.size() - (kWindow - 1));
    const bool endsLikeAHeader = IsLineEnd(shorter.back()) || shorter.back() == ' ';
    if (!endsLikeAHeader || (IsDigit(shorter[5]) && IsDigit(shorter[6]))) return best;
    for (std::size_t lost = 0; lost < kHeaderLength; ++lost) {
        std::string window(shorter);
        window.insert(lost, 1, kUnknown);
        std::optional<Header> header = MatchHeader(window);
        if (header && (!best || header->damaged < best->damaged)) {
            best = std::move(header);
            best->length = kWindow - 1;
        }
    }
    return best;
}

// NNNN with at most one of its letters erased.
bool EndsWithEnd(std::string_view recent) {
    if (recent.size() < kEnd.size()) return false;
    const std::string_view last = recent.substr(recent.size() - kEnd.size());
    return std::count(last.begin(), last.end(), 'N') >= 3 &&
           std::all_of(last.begin(), last.end(), [](char c) { return c == 'N' || c == kUnknown; });
}

}  // namespace

std::vector<NavtexMessage> MessageReader::Read(std::string_view characters) {
    std::vector<NavtexMessage> ended;
    for (const char c : characters) Take(c, ended);
    return ended;
}

std::optional<NavtexMessage> MessageReader::EndOfSignal() {
    recent_.clear();
    if (!open_) return std::nullopt;
    return Close(false);
}

void MessageReader::Take(char character, std::vector<NavtexMessage>& ended) {
    recent_ += character;
    if (recent_.size() > kWindow) recent_.erase(0, recent_.size() - kWindow);
    if (open_) open_->text += character;
    if (std::optional<Header> header = FindHeader(recent_)) {
        if (open_) {
            // The new header's characters ran into the old text.
            open_->text.resize(open_->text.size() - std::min(open_->text.size(), header->length));
            ended.push_back(Close(false));
        }
        open_ = NavtexMessage{};
        open_->id = std::move(header->id);
        open_->headerRecovered = header->damaged > 0;
        open_->wrong = header->damaged;
        open_->text = std::string(1, character);
        recent_.clear();
        return;
    }
    if (!open_) return;
    if (EndsWithEnd(recent_)) {
        open_->text.resize(open_->text.size() - kEnd.size());
        ended.push_back(Close(true));
        recent_.clear();
    } else if (open_->text.size() > kLongestText) {
        ended.push_back(Close(false));
    }
}

NavtexMessage MessageReader::Close(bool complete) {
    NavtexMessage message = std::move(*open_);
    open_.reset();
    message.complete = complete;
    std::string& text = message.text;
    text.erase(0, std::min(text.size(), text.find_first_not_of("\r\n ")));
    text.erase(text.find_last_not_of("\r\n ") + 1);
    // The header counts with the text: ZCZC, the space and B1B2B3B4.
    message.characters = kHeaderLength + std::count_if(text.begin(), text.end(), [](char c) { return !IsLineEnd(c); });
    message.wrong += std::count_if(text.begin(), text.end(), IsWrong);
    return message;
}

}  // namespace navtex
