// A window of the monitor class that collects the trace lines setup sends.
// It runs its own thread and message loop, so a test or the monitor program
// can wait for lines while setup blocks in its synchronous send.
#pragma once
#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace qx {

struct TraceRecord {
    std::string line;    // exactly the bytes received
    HWND sender = nullptr;
    ULONG_PTR id = 0;
};

class TraceMonitor {
public:
    using LineSink = std::function<void(const TraceRecord&)>;

    TraceMonitor() = default;
    ~TraceMonitor();
    TraceMonitor(const TraceMonitor&) = delete;
    TraceMonitor& operator=(const TraceMonitor&) = delete;

    // Creates the window; false when it could not be created. The sink, if
    // any, is called on the monitor's thread for each line as it arrives.
    bool Start(LineSink sink = nullptr);
    void Stop();

    std::vector<TraceRecord> Records() const;
    // The caller's texts only: "(hh:mm:ss) -" and the final "*" removed.
    std::vector<std::string> Texts() const;
    // Waits until a line with this text has arrived.
    bool WaitForText(const std::string& text, std::chrono::milliseconds timeout) const;
    void Clear();

    static std::string TextOf(const std::string& line);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void ThreadMain();

    std::thread thread_;
    HWND hwnd_ = nullptr;
    DWORD threadId_ = 0;
    LineSink sink_;
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::vector<TraceRecord> records_;
    bool started_ = false;
    bool failed_ = false;
};

}  // namespace qx
