#include "app/WindowDrag.h"

namespace app {

void StartWindowDrag(HWND window, POINT client) {
    ::PostMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(client.x, client.y));
    ::SendMessageA(window, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
}

}  // namespace app
