// Fetching the text of a web page for a script variable over HTTP.
#pragma once
#include <cstddef>
#include <string>

namespace qx {

// The bounds of one fetch. The socket timeouts stop a silent server; the
// overall limit stops one that answers too slowly; the size limit stops one
// that never ends.
struct WebFetchLimits {
    unsigned long connectMs = 5000;
    unsigned long sendMs = 5000;
    unsigned long receiveMs = 5000;
    unsigned long totalMs = 15000;
    std::size_t maxBytes = 1 << 20;
};

// Blocking fetch of "http://host/path" on port 80; the body cut to the
// announced content length, or empty on any failure.
std::string FetchWebText(const std::string& address, const WebFetchLimits& limits = WebFetchLimits());

// The same fetch on a worker thread while this thread keeps dispatching its
// window messages (timer ticks excepted), so windows such as the wait window
// stay responsive. Gives up after limits.totalMs with the empty text; a late
// worker finishes on its own and its answer is dropped.
std::string FetchWebTextResponsive(const std::string& address, const WebFetchLimits& limits = WebFetchLimits());

}  // namespace qx
