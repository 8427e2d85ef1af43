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

// The answer to the system's question whether the session (logoff, shutdown,
// restart) may end, asked of every top-level window of the program.
struct SessionEndAnswer {
    bool allowEnd = true;      // the reply: TRUE lets the session end
    bool blockReason = false;  // give the system the reason it shows for the block
    bool warn = false;         // tell the user, once the reply has gone
    friend bool operator==(const SessionEndAnswer&, const SessionEndAnswer&) = default;
};

// `memoUnsaved`: the memo is still only in the pad after saving it once
// more. `warningPending`: the warning of an earlier question has not been
// closed yet (each of the program's windows asks in turn).
SessionEndAnswer AnswerSessionEnd(bool memoUnsaved, bool warningPending);

}  // namespace app
