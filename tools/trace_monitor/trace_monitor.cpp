#include "tools/trace_monitor/trace_monitor.h"

namespace qx {

namespace {
constexpr const char* kClassName = "MorvaineEvent";
}

TraceMonitor::~TraceMonitor() { Stop(); }

bool TraceMonitor::Start(LineSink sink) {
    if (thread_.joinable()) return hwnd_ != nullptr;
    sink_ = std::move(sink);
    thread_ = std::thread(&TraceMonitor::ThreadMain, this);
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return started_ || failed_; });
    return started_;
}

void TraceMonitor::Stop() {
    if (!thread_.joinable()) return;
    if (threadId_) PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    thread_.join();
}

void TraceMonitor::ThreadMain() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);  // already registered by an earlier monitor is fine
    HWND hwnd = CreateWindowExA(0, kClassName, "Trace monitor", WS_OVERLAPPEDWINDOW, 0, 0, 300, 100, nullptr,
                                nullptr, instance, this);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        hwnd_ = hwnd;
        threadId_ = GetCurrentThreadId();
        started_ = hwnd != nullptr;
        failed_ = hwnd == nullptr;
    }
    changed_.notify_all();
    if (!hwnd) return;
    MSG msg;
    // PeekMessage creates the queue before the first post can arrive.
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    DestroyWindow(hwnd);
    hwnd_ = nullptr;
}

LRESULT CALLBACK TraceMonitor::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* self = reinterpret_cast<TraceMonitor*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (msg == WM_COPYDATA && self) {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lp);
        TraceRecord record;
        // The sender counts the bytes without a terminating zero; never look past them.
        if (data->lpData && data->cbData) record.line.assign(static_cast<const char*>(data->lpData), data->cbData);
        record.sender = reinterpret_cast<HWND>(wp);
        record.id = data->dwData;
        {
            std::lock_guard<std::mutex> lock(self->mutex_);
            self->records_.push_back(record);
        }
        self->changed_.notify_all();
        if (self->sink_) self->sink_(record);
        return TRUE;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

std::vector<TraceRecord> TraceMonitor::Records() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return records_;
}

std::string TraceMonitor::TextOf(const std::string& line) {
    std::size_t dash = line.find(") -");
    std::string text = dash == std::string::npos ? line : line.substr(dash + 3);
    if (!text.empty() && text.back() == '*') text.pop_back();
    return text;
}

std::vector<std::string> TraceMonitor::Texts() const {
    std::vector<std::string> texts;
    for (const auto& r : Records()) texts.push_back(TextOf(r.line));
    return texts;
}

bool TraceMonitor::WaitForText(const std::string& text, std::chrono::milliseconds timeout) const {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, timeout, [&] {
        for (const auto& r : records_)
            if (TextOf(r.line) == text) return true;
        return false;
    });
}

void TraceMonitor::Clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    records_.clear();
}

}  // namespace qx
