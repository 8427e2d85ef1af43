// What the memo pad and the memo tab need of the main window that owns them.
#pragma once

namespace app {

class MemoPadHost {
public:
    // Shows the pad and hides the tab; remembers "MemoShow" = "1".
    virtual void ShowMemoPad() = 0;
    // Hides the pad and shows the tab; remembers "MemoShow" = "0".
    virtual void HideMemoPad() = 0;

protected:
    ~MemoPadHost() = default;
};

}  // namespace app
