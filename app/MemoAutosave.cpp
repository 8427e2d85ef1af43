#include "app/MemoAutosave.h"

namespace app {

bool MemoAutosave::AfterSave(int result) {
    const bool wasFailing = failing_;
    failing_ = result != 0;
    return failing_ && !wasFailing;
}

}  // namespace app
