// The floor for the start-up benchmark: what any program of the calendar's
// kind must do before its first paint and nothing else. It asks the shell
// for the documents folder, starts Winsock, and shows one tool window of
// the calendar's size that paints the title strip's colour, a line of
// Chinese text in the day labels' font and a star in the note marks' font.
#include <winsock2.h>
#include <windows.h>
#include <shlobj.h>

#include "StripWindow_win.h"

#include <cstring>

namespace {

constexpr char kLine[] = "初一 初二 腊八 冬至 元旦 小寒";
constexpr char kStar[] = "★";

void PutText(HDC dc, int x, int y, const char* text, int height, const char* face) {
    HFONT font = CreateFontA(height, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, face);
    HGDIOBJ previous = SelectObject(dc, font);
    TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text)));
    SelectObject(dc, previous);
    DeleteObject(font);
}

void PaintOver(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    PutText(dc, 10, 40, kLine, 14, "Arial");
    PutText(dc, 10, 60, kStar, 19, "宋体");
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    char documents[MAX_PATH] = {};
    SHGetSpecialFolderPathA(nullptr, documents, CSIDL_PERSONAL, FALSE);
    WSADATA sockets{};
    WSAStartup(MAKEWORD(2, 2), &sockets);

    startup::RunStripWindow(instance, "StartupFloor", WS_EX_TOOLWINDOW, &PaintOver);
    WSACleanup();
    return 0;
}
