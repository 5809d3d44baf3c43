// A tiny HTTP server on 127.0.0.1 for tests of the web variables: a Winsock
// thread that answers each request with what the test's handler returns.
// Header-only so the Wine tier and the end-to-end tier share it.
#pragma once
#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace qx::testing_http {

// Gets the raw request head; returns the raw response bytes (an empty answer
// closes the connection without a reply).
using Handler = std::function<std::string(const std::string& request)>;

inline std::string Response(const std::string& body, long long contentLength = -2) {
    std::string head = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nConnection: close\r\n";
    if (contentLength == -2) contentLength = static_cast<long long>(body.size());
    if (contentLength >= 0) head += "Content-Length: " + std::to_string(contentLength) + "\r\n";
    return head + "\r\n" + body;
}

class LocalHttpServer {
public:
    LocalHttpServer() = default;
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;
    ~LocalHttpServer() { Stop(); }

    // False when the port cannot be taken.
    bool Start(Handler handler, unsigned short port = 80) {
        WSADATA data;
        if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return false;
        started_ = true;
        listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        if (listener_ == INVALID_SOCKET) return false;
        BOOL reuse = TRUE;
        setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&reuse), sizeof reuse);
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return false;
        if (listen(listener_, 4) != 0) return false;
        handler_ = std::move(handler);
        thread_ = std::thread([this] { Serve(); });
        return true;
    }

    void Stop() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        if (listener_ != INVALID_SOCKET) closesocket(listener_);
        listener_ = INVALID_SOCKET;
        if (started_) WSACleanup();
        started_ = false;
    }

    std::vector<std::string> Requests() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return requests_;
    }
    bool Stopping() const { return stop_; }

private:
    void Serve() {
        while (!stop_) {
            fd_set readable;
            FD_ZERO(&readable);
            FD_SET(listener_, &readable);
            timeval tick = {0, 100000};
            if (select(0, &readable, nullptr, nullptr, &tick) <= 0) continue;
            SOCKET client = accept(listener_, nullptr, nullptr);
            if (client == INVALID_SOCKET) continue;
            std::string request;
            char buf[2048];
            while (request.find("\r\n\r\n") == std::string::npos) {
                int n = recv(client, buf, sizeof buf, 0);
                if (n <= 0) break;
                request.append(buf, static_cast<std::size_t>(n));
            }
            {
                std::lock_guard<std::mutex> lock(mutex_);
                requests_.push_back(request);
            }
            std::string reply = handler_ ? handler_(request) : std::string();
            std::size_t sent = 0;
            while (sent < reply.size()) {
                int n = send(client, reply.data() + sent, static_cast<int>(reply.size() - sent), 0);
                if (n <= 0) break;
                sent += static_cast<std::size_t>(n);
            }
            shutdown(client, SD_SEND);
            closesocket(client);
        }
    }

    SOCKET listener_ = INVALID_SOCKET;
    bool started_ = false;
    std::atomic<bool> stop_{false};
    Handler handler_;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
};

}  // namespace qx::testing_http
