#include "app/WindowDrag.h"

namespace app {

void StartWindowDrag(HWND window, POINT) {
    // One move loop, started while the button is surely down; it ends at the
    // release. A second loop (from a posted caption press) would start after
    // the release and follow the pointer until the next click or Enter.
    ::SendMessageW(window, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
}

}  // namespace app
