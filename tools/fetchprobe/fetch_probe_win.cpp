// Fetch probe: how long the calendar's window takes to answer while its
// headline server accepts the connection and never answers.
//
//     fetch_probe CALENDAR.exe [SECONDS]
//
// Opens the silent server on a free loopback port, points the calendar's
// NewsHost setting at it (putting the old value back afterwards), starts the
// calendar, and sends its window WM_NULL about every 10 ms for SECONDS
// (25 by default) from the end of its start-up. Prints the longest answer
// time, how many answers took longer than the goal, and how many
// connections the server took meanwhile.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <winsock2.h>
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr char kSettingsKey[] = "SOFTWARE\\Quorvex\\Veltrano";
constexpr char kNewsHostValue[] = "NewsHost";
// Empty: the calendar fetches no holiday schedule.
constexpr char kHolidaySourceValue[] = "HolidaySource";
constexpr char kWindowTitle[] = "ri2.23";
constexpr UINT kAnswerLimitMs = 20000;
constexpr double kGoalMs = 50;

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Accepts every connection and keeps it open without a byte in reply.
class SilentServer {
public:
    SilentServer() {
        listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int size = sizeof address;
        if (listener_ == INVALID_SOCKET || bind(listener_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            listen(listener_, 8) != 0 || getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0)
            return;
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] {
            for (;;) {
                const SOCKET client = accept(listener_, nullptr, nullptr);
                if (client == INVALID_SOCKET) return;
                held_.push_back(client);
                ++accepted_;
            }
        });
    }
    ~SilentServer() {
        closesocket(listener_);
        if (thread_.joinable()) thread_.join();
        for (SOCKET s : held_) closesocket(s);
    }
    unsigned short Port() const { return port_; }
    int Accepted() const { return accepted_; }

private:
    SOCKET listener_ = INVALID_SOCKET;
    unsigned short port_ = 0;
    std::vector<SOCKET> held_;
    std::atomic<int> accepted_{0};
    std::thread thread_;
};

// The setting as it was, put back at the end.
struct SavedSetting {
    const char* name = nullptr;
    bool existed = false;
    std::string text;
};

SavedSetting SetSetting(const char* name, const std::string& text) {
    SavedSetting saved;
    saved.name = name;
    char old[512] = {};
    DWORD size = sizeof old - 1;
    saved.existed = RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, saved.name, RRF_RT_REG_SZ, nullptr, old,
                                 &size) == ERROR_SUCCESS;
    saved.text = old;
    RegSetKeyValueA(HKEY_CURRENT_USER, kSettingsKey, saved.name, REG_SZ, text.c_str(),
                    static_cast<DWORD>(text.size() + 1));
    return saved;
}

void Restore(const SavedSetting& saved) {
    if (saved.existed)
        RegSetKeyValueA(HKEY_CURRENT_USER, kSettingsKey, saved.name, REG_SZ, saved.text.c_str(),
                        static_cast<DWORD>(saved.text.size() + 1));
    else
        RegDeleteKeyValueA(HKEY_CURRENT_USER, kSettingsKey, saved.name);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: fetch_probe CALENDAR.exe [SECONDS]\n");
        return 2;
    }
    const double seconds = argc > 2 ? std::atof(argv[2]) : 25.0;
    WSADATA wsa;
    if (WSAStartup(MAKEWORD(2, 2), &wsa) != 0) return 1;
    int status = 0;
    {
        SilentServer server;
        if (server.Port() == 0) {
            std::fprintf(stderr, "fetch_probe: no loopback listener\n");
            return 1;
        }
        const SavedSetting saved = SetSetting(kNewsHostValue, "127.0.0.1:" + std::to_string(server.Port()));
        const SavedSetting savedSource = SetSetting(kHolidaySourceValue, "");

        std::string commandLine = std::string("\"") + argv[1] + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessA(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &process)) {
            std::fprintf(stderr, "fetch_probe: cannot start %s\n", argv[1]);
            Restore(saved);
            Restore(savedSource);
            return 1;
        }
        HWND window = nullptr;
        const double start = Now();
        while (!window && Now() - start < 30000) {
            window = FindWindowA(nullptr, kWindowTitle);
            Sleep(10);
        }
        // Start-up ends with the window shown and answering; it is not counted.
        DWORD_PTR ignoredResult = 0;
        while (window && Now() - start < 30000 &&
               !(IsWindowVisible(window) &&
                 SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerLimitMs, &ignoredResult)))
            Sleep(10);
        double longest = 0, longestAt = 0;
        int samples = 0, unanswered = 0, slow = 0;
        const double begin = Now();
        while (window && Now() - begin < seconds * 1000) {
            const double sent = Now();
            DWORD_PTR ignored = 0;
            if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerLimitMs, &ignored)) ++unanswered;
            const double took = Now() - sent;
            if (took > longest) longest = took, longestAt = sent - begin;
            if (took > kGoalMs) ++slow;
            ++samples;
            Sleep(10);
        }
        if (window) {
            std::printf("longest answer %.1f ms, %.1f s after start-up, over %.0f s; %d of %d messages took over "
                        "%.0f ms (the goal), %d unanswered; %d connections held silent\n",
                        longest, longestAt / 1000, seconds, slow, samples, kGoalMs, unanswered, server.Accepted());
        } else {
            std::fprintf(stderr, "fetch_probe: the calendar window did not appear\n");
            status = 1;
        }
        TerminateProcess(process.hProcess, 0);
        WaitForSingleObject(process.hProcess, 5000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        Restore(saved);
        Restore(savedSource);
    }
    WSACleanup();
    return status;
}
