// A stand-in product program for page actions: each run appends one line to
// "<its own path>.ran", so a test can count how often it was started.
#include <windows.h>

#include <cstdio>

int main() {
    char self[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, self, MAX_PATH);
    if (n == 0 || n >= MAX_PATH - 5) return 1;
    char marker[MAX_PATH + 8];
    std::snprintf(marker, sizeof marker, "%s.ran", self);
    FILE* f = std::fopen(marker, "ab");
    if (!f) return 1;
    std::fputs("ran\n", f);
    std::fclose(f);
    return 0;
}
