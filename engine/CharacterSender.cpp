#include "engine/CharacterSender.h"

namespace zorbel::engine {

bool CharacterSender::Send(std::size_t most) {
    for (std::size_t sent = 0; sent < most && next_ < codes_.size(); ++sent, ++next_)
        if (!postCharacter_(codes_[next_])) return false;
    if (next_ < codes_.size()) return false;
    Clear();
    return true;
}

void CharacterSender::Clear() {
    codes_.clear();
    next_ = 0;
}

}  // namespace zorbel::engine
