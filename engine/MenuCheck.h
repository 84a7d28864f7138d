#pragma once
// The check mark of one menu entry.

namespace zorbel::engine {

class MenuCheck {
public:
    virtual ~MenuCheck() = default;
    virtual void SetChecked(bool checked) = 0;
};

}  // namespace zorbel::engine
