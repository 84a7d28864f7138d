#pragma once
// The engine's characters on their way to the program, posted in order as the
// program's queue takes them: a post the full queue refuses is tried again
// later, so nothing is lost or reordered however fast the characters come.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <utility>
#include <vector>

namespace zorbel::engine {

class CharacterSender {
public:
    // postCharacter: false when the program's queue refused the character.
    explicit CharacterSender(std::function<bool(std::int32_t code)> postCharacter)
        : postCharacter_(std::move(postCharacter)) {}

    void Add(std::int32_t code) { codes_.push_back(code); }
    // Posts up to `most` waiting characters; true when none is left.
    bool Send(std::size_t most = std::numeric_limits<std::size_t>::max());
    std::size_t Waiting() const { return codes_.size() - next_; }
    void Clear();

private:
    std::function<bool(std::int32_t code)> postCharacter_;
    std::vector<std::int32_t> codes_;
    std::size_t next_ = 0;
};

}  // namespace zorbel::engine
