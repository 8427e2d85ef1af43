// The process entry: the one application object and WinMain.
#include "app/CalendarApp.h"

#include <windows.h>

namespace {

app::CCalendarApp theApp;

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return theApp.Run(); }
