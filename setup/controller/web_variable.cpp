#include "setup/controller/web_variable.h"

#include "setup/base/unique_handle.h"
#include "setup/controller/variable_rules.h"

#include <wininet.h>

#include <atomic>
#include <memory>
#include <thread>

namespace qx {

namespace {

struct internet_traits {
    using pointer = HINTERNET;
    static pointer invalid() noexcept { return nullptr; }
    static void close(pointer h) noexcept { InternetCloseHandle(h); }
};
using unique_internet = unique_handle<internet_traits>;

constexpr DWORD kReadNoWait = 8;  // IRF_NO_WAIT
constexpr DWORD kChunk = 1024;

long long QueryNumber(HINTERNET request, DWORD what) {
    DWORD value = 0, size = sizeof value;
    if (!HttpQueryInfoA(request, what | HTTP_QUERY_FLAG_NUMBER, &value, &size, nullptr)) return -1;
    return value;
}

// One chunk: first without waiting for the network; when nothing is buffered
// yet, a waiting read tells a pause from the end of the body.
bool ReadChunk(HINTERNET request, char* chunk, DWORD& got) {
    INTERNET_BUFFERSA buffers = {};
    buffers.dwStructSize = sizeof buffers;
    buffers.lpvBuffer = chunk;
    buffers.dwBufferLength = kChunk;
    if (InternetReadFileExA(request, &buffers, kReadNoWait, 0)) {
        got = buffers.dwBufferLength;
        if (got > 0) return true;
    } else if (GetLastError() != ERROR_IO_PENDING) {
        return false;
    }
    got = 0;
    return InternetReadFile(request, chunk, kChunk, &got) != FALSE;
}

}  // namespace

std::string FetchWebText(const std::string& address, const WebFetchLimits& limits) {
    const WebAddress web = SplitWebAddress(address);
    if (web.host.empty()) return std::string();
    unique_internet session(InternetOpenA("setup", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session) return std::string();
    DWORD connect = limits.connectMs, send = limits.sendMs, receive = limits.receiveMs;
    InternetSetOptionA(session.get(), INTERNET_OPTION_CONNECT_TIMEOUT, &connect, sizeof connect);
    InternetSetOptionA(session.get(), INTERNET_OPTION_SEND_TIMEOUT, &send, sizeof send);
    InternetSetOptionA(session.get(), INTERNET_OPTION_RECEIVE_TIMEOUT, &receive, sizeof receive);
    unique_internet connection(InternetConnectA(session.get(), web.host.c_str(), 80, nullptr, nullptr,
                                                INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) return std::string();
    const char* accept[] = {"text/*", nullptr};
    const DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_KEEP_CONNECTION |
                        INTERNET_FLAG_PRAGMA_NOCACHE;
    unique_internet request(
        HttpOpenRequestA(connection.get(), "GET", web.path.c_str(), nullptr, nullptr, accept, flags, 0));
    if (!request) return std::string();
    if (!HttpSendRequestA(request.get(), nullptr, 0, nullptr, 0)) return std::string();
    QueryNumber(request.get(), HTTP_QUERY_STATUS_CODE);  // asked, as the page text is taken whatever it is
    const long long length = QueryNumber(request.get(), HTTP_QUERY_CONTENT_LENGTH);

    std::string body;
    char chunk[kChunk];
    for (;;) {
        DWORD got = 0;
        if (!ReadChunk(request.get(), chunk, got)) return std::string();
        if (got == 0) break;
        body.append(chunk, got);
        if (body.size() >= limits.maxBytes) break;
        if (length >= 0 && body.size() >= static_cast<unsigned long long>(length)) break;
    }
    return CutToContentLength(body, length);
}

std::string FetchWebTextResponsive(const std::string& address, const WebFetchLimits& limits) {
    struct Job {
        unique_kernel_handle done{CreateEventA(nullptr, TRUE, FALSE, nullptr)};
        std::string result;
    };
    auto job = std::make_shared<Job>();
    if (!job->done) return FetchWebText(address, limits);
    std::thread([job, address, limits] {
        job->result = FetchWebText(address, limits);
        SetEvent(job->done.get());
    }).detach();

    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= limits.totalMs) return std::string();
        HANDLE wait = job->done.get();
        const DWORD r = MsgWaitForMultipleObjects(1, &wait, FALSE, limits.totalMs - elapsed, QS_ALLINPUT);
        if (r == WAIT_OBJECT_0) return job->result;  // the event orders the worker's write before this read
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                return std::string();
            }
            // The start sequence is not finished: a timer must not move on to
            // a page before the variables have their values.
            if (msg.message == WM_TIMER) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

}  // namespace qx
