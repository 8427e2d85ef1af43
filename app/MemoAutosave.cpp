#include "app/MemoAutosave.h"

namespace app {

bool MemoAutosave::AfterSave(int result) {
    const bool wasFailing = failing_;
    failing_ = result != 0;
    return failing_ && !wasFailing;
}

SessionEndAnswer AnswerSessionEnd(bool memoUnsaved, bool warningPending) {
    if (!memoUnsaved) return {};
    // Ending now would lose the text: the session waits for the user.
    return {false, true, !warningPending};
}

}  // namespace app
