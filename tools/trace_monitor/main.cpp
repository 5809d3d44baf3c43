// trace_monitor [--out FILE]: owns the monitor window and writes every trace
// line it receives, one per line, to standard output or FILE, until closed
// (Ctrl+C, or the window closed).
#include "tools/trace_monitor/trace_monitor.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    const char* outPath = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc) {
            outPath = argv[++i];
        } else {
            std::fprintf(stderr, "usage: trace_monitor [--out FILE]\n");
            return 2;
        }
    }
    FILE* out = stdout;
    if (outPath && !(out = std::fopen(outPath, "ab"))) {
        std::fprintf(stderr, "trace_monitor: cannot open %s for writing\n", outPath);
        return 1;
    }
    qx::TraceMonitor monitor;
    bool ok = monitor.Start([out](const qx::TraceRecord& r) {
        std::fwrite(r.line.data(), 1, r.line.size(), out);
        std::fputc('\n', out);
        std::fflush(out);
    });
    if (!ok) {
        std::fprintf(stderr, "trace_monitor: cannot create the monitor window\n");
        return 1;
    }
    // The monitor thread does the work; this one just waits for the end.
    HANDLE stop = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(nullptr, FALSE);
    WaitForSingleObject(stop, INFINITE);
    return 0;
}
