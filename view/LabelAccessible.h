// A self-drawn label or hover button as screen readers see it: text named
// by what it shows, or a push button named by its text (or by the name its
// owner gave it) whose default action clicks it.
#pragma once

#include "framework/Accessible.h"

namespace view {

class CLabelWnd;

class LabelAccessible final : public fw::AccessibleObject {
public:
    explicit LabelAccessible(CLabelWnd& label);

protected:
    std::string Name(long child) const override;
    long Role(long child) const override;
    long State(long child) const override;
    std::string DefaultAction(long child) const override;
    bool DoDefaultAction(long child) override;

private:
    CLabelWnd& label_;
};

}  // namespace view
