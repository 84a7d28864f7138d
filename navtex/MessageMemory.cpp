#include "navtex/MessageMemory.h"

#include <charconv>

#include "navtex/MessageReader.h"
#include "navtex/Subjects.h"

namespace navtex {
namespace {

constexpr std::string_view kFirstLine = "ZORBEL NAVTEX 1\n";
constexpr std::int64_t kHighestFrequencyHz = 30'000'000;

bool IsPoor(const NavtexMessage& message) { return !message.complete || message.ErrorRate() > kGoodEnough; }

bool IsBetter(const NavtexMessage& repeat, const NavtexMessage& stored) {
    if (repeat.complete != stored.complete) return repeat.complete;
    return repeat.ErrorRate() < stored.ErrorRate();
}

bool IsStoredId(std::string_view id) {
    auto fits = [](char c, bool (*rule)(char)) { return c == kUnknown || rule(c); };
    return id.size() == 4 && fits(id[0], [](char c) { return c >= 'A' && c <= 'X'; }) &&
           fits(id[1], IsSubjectLetter) && fits(id[2], [](char c) { return c >= '0' && c <= '9'; }) &&
           fits(id[3], [](char c) { return c >= '0' && c <= '9'; });
}

// Reads what Save wrote, field by field; any difference stops it.
class SavedText {
public:
    explicit SavedText(std::string_view text) : rest_(text) {}

    bool AtEnd() const { return rest_.empty(); }

    bool Expect(std::string_view literal) {
        if (!rest_.starts_with(literal)) return false;
        rest_.remove_prefix(literal.size());
        return true;
    }

    // A number in [lowest, highest] and the separator after it.
    std::optional<std::int64_t> Number(std::int64_t lowest, std::int64_t highest, char separator) {
        std::int64_t value = 0;
        const auto [end, error] = std::from_chars(rest_.data(), rest_.data() + rest_.size(), value);
        if (error != std::errc{} || end == rest_.data() || value < lowest || value > highest) return std::nullopt;
        rest_.remove_prefix(static_cast<std::size_t>(end - rest_.data()));
        if (!Expect(std::string_view(&separator, 1))) return std::nullopt;
        return value;
    }

    std::optional<std::string_view> Bytes(std::size_t count, char separator) {
        if (rest_.size() < count) return std::nullopt;
        const std::string_view bytes = rest_.substr(0, count);
        rest_.remove_prefix(count);
        if (!Expect(std::string_view(&separator, 1))) return std::nullopt;
        return bytes;
    }

private:
    std::string_view rest_;
};

std::optional<StoredMessage> ReadStored(SavedText& saved) {
    StoredMessage stored;
    const auto frequencyHz = saved.Number(1, kHighestFrequencyHz, ' ');
    const auto id = saved.Bytes(4, ' ');
    const auto first = saved.Number(INT64_MIN, INT64_MAX, ' ');
    const auto last = saved.Number(INT64_MIN, INT64_MAX, ' ');
    const auto times = saved.Number(1, INT32_MAX, ' ');
    const auto recovered = saved.Number(0, 1, ' ');
    const auto complete = saved.Number(0, 1, ' ');
    const auto characters = saved.Number(0, 2 * kLongestText, ' ');
    const auto wrong = saved.Number(0, 2 * kLongestText, ' ');
    const auto length = saved.Number(0, 2 * kLongestText, '\n');
    if (!length || !frequencyHz || !id || !first || !last || !times || !recovered || !complete || !characters ||
        !wrong || !IsStoredId(*id) || *last < *first || *wrong > *characters)
        return std::nullopt;
    const auto text = saved.Bytes(static_cast<std::size_t>(*length), '\n');
    if (!text) return std::nullopt;
    stored.frequencyHz = static_cast<int>(*frequencyHz);
    stored.message.id = std::string(*id);
    stored.firstReceived = *first;
    stored.lastReceived = *last;
    stored.timesReceived = static_cast<int>(*times);
    stored.message.headerRecovered = *recovered == 1;
    stored.message.complete = *complete == 1;
    stored.message.characters = static_cast<std::size_t>(*characters);
    stored.message.wrong = static_cast<std::size_t>(*wrong);
    stored.message.text = std::string(*text);
    return stored;
}

}  // namespace

Arrival MessageMemory::Receive(int frequencyHz, NavtexMessage message, UtcSeconds now) {
    if (message.IdentityKnown() && !message.AlwaysShown()) {
        for (auto stored = messages_.rbegin(); stored != messages_.rend(); ++stored) {
            if (stored->frequencyHz != frequencyHz || stored->message.id != message.id) continue;
            if (now - stored->firstReceived >= kRememberedFor) break;
            ++stored->timesReceived;
            stored->lastReceived = now;
            if (IsPoor(stored->message) && IsBetter(message, stored->message)) {
                stored->message = std::move(message);
                return Arrival::kReplaced;
            }
            return Arrival::kFolded;
        }
    }
    messages_.push_back({frequencyHz, std::move(message), now, now, 1});
    return Arrival::kShown;
}

void MessageMemory::Forget(UtcSeconds now) {
    std::erase_if(messages_, [now](const StoredMessage& s) { return now - s.firstReceived >= kRememberedFor; });
}

std::string MessageMemory::Save() const {
    std::string saved(kFirstLine);
    for (const StoredMessage& stored : messages_) {
        const NavtexMessage& m = stored.message;
        saved += std::to_string(stored.frequencyHz) + ' ' + m.id + ' ' + std::to_string(stored.firstReceived) + ' ' +
                 std::to_string(stored.lastReceived) + ' ' + std::to_string(stored.timesReceived) + ' ' +
                 (m.headerRecovered ? "1 " : "0 ") + (m.complete ? "1 " : "0 ") + std::to_string(m.characters) + ' ' +
                 std::to_string(m.wrong) + ' ' + std::to_string(m.text.size()) + '\n' + m.text + '\n';
    }
    return saved;
}

std::optional<MessageMemory> MessageMemory::Load(std::string_view saved) {
    SavedText text(saved);
    if (!text.Expect(kFirstLine)) return std::nullopt;
    MessageMemory memory;
    while (!text.AtEnd()) {
        std::optional<StoredMessage> stored = ReadStored(text);
        if (!stored) return std::nullopt;
        memory.messages_.push_back(std::move(*stored));
    }
    return memory;
}

}  // namespace navtex
