// The memo pad saves on every change. When saving fails the text stays in
// the pad and the user is told once, not on every keystroke; the save is
// tried again on the next change and when the pad closes.
#pragma once

namespace app {

class MemoAutosave {
public:
    // Records the result of a save (0 or -1). True when the user should be
    // warned now: the first failure at start or after a successful save.
    bool AfterSave(int result);

    // A failed save is still owed, to be tried again at close.
    bool Pending() const { return failing_; }

private:
    bool failing_ = false;
};

}  // namespace app
