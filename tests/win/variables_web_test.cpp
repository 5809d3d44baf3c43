// The web source of script variables against a server on 127.0.0.1:80 run by
// the test itself: the request that goes out, the content-length cut, and the
// bounded, responsive wait when the server is slow or silent.
#include "tests/win/support/mc_http_server.h"

#include "setup/controller/web_variable.h"

#include <gtest/gtest.h>

#include <atomic>

namespace qx {
namespace {

using testing_http::LocalHttpServer;
using testing_http::Response;

// Small bounds keep the silent-server cases short; the rules are the same.
WebFetchLimits ShortLimits() {
    WebFetchLimits limits;
    limits.connectMs = 1000;
    limits.sendMs = 1000;
    limits.receiveMs = 1000;
    limits.totalMs = 4000;
    return limits;
}

TEST(WebVariable, SendsAPlainGetForThePathOnPort80) {
    LocalHttpServer server;
    ASSERT_TRUE(server.Start([](const std::string&) { return Response("2.4.1"); }));
    EXPECT_EQ(FetchWebText("http://127.0.0.1/latest/version.txt"), "2.4.1");
    auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    const std::string& r = requests[0];
    EXPECT_EQ(r.substr(0, r.find("\r\n")), "GET /latest/version.txt HTTP/1.1");
    EXPECT_NE(r.find("Accept: text/*\r\n"), std::string::npos) << r;
    EXPECT_NE(r.find("User-Agent: setup\r\n"), std::string::npos) << r;
    EXPECT_NE(r.find("no-cache"), std::string::npos) << r;
}

struct BodyCase {
    const char* name;
    std::string reply;
    std::string expected;
};

class WebBodies : public ::testing::TestWithParam<BodyCase> {};

TEST_P(WebBodies, AreTakenAsTheServerAnnouncesThem) {
    LocalHttpServer server;
    const std::string reply = GetParam().reply;
    ASSERT_TRUE(server.Start([reply](const std::string&) { return reply; }));
    EXPECT_EQ(FetchWebText("http://127.0.0.1/v", ShortLimits()), GetParam().expected);
}

std::string Long(std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i) s += static_cast<char>('a' + i % 26);
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Replies, WebBodies,
    ::testing::Values(BodyCase{"exact", Response("1.0"), "1.0"},
                      // More body than announced: cut to the announced length.
                      BodyCase{"cut", Response("1.0.7-extra", 5), "1.0.7"},
                      // No length: everything up to the end of the connection.
                      BodyCase{"open", Response(Long(5000), -1), Long(5000)},
                      BodyCase{"chunks", Response(Long(3000)), Long(3000)},
                      BodyCase{"empty", Response(""), ""},
                      BodyCase{"nothing", std::string(), ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WebVariable, GivesNothingWhereNoServerListens) {
    // Port 80 on this address has no listener while no server runs.
    EXPECT_EQ(FetchWebText("http://127.0.0.1/none", ShortLimits()), "");
    EXPECT_EQ(FetchWebText("http:///no-host", ShortLimits()), "");
}

TEST(WebVariable, GivesUpOnASilentServerWithinItsBound) {
    LocalHttpServer server;
    ASSERT_TRUE(server.Start([&server](const std::string&) {
        // Accepts and never answers until the test ends.
        while (!server.Stopping()) Sleep(20);
        return std::string();
    }));
    EXPECT_EQ(FetchWebTextResponsive("http://127.0.0.1/slow", ShortLimits()), "");
}

// A window of the calling thread, to see whether its messages are handled
// while the fetch waits.
struct Pinged {
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        if (msg == WM_APP) {
            auto* flag = reinterpret_cast<std::atomic<bool>*>(lp);
            flag->store(true);
            return 0;
        }
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
};

TEST(WebVariable, KeepsTheCallingThreadsWindowsAnswering) {
    std::atomic<bool> handled{false};
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Pinged::Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "QxPingedWindow";
    RegisterClassA(&wc);
    HWND window = CreateWindowA(wc.lpszClassName, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance,
                                nullptr);
    ASSERT_NE(window, nullptr);

    LocalHttpServer server;
    // The server answers only once the window has handled a message posted
    // before the fetch began, which needs the waiting thread to dispatch.
    ASSERT_TRUE(server.Start([&](const std::string&) {
        while (!handled.load() && !server.Stopping()) Sleep(10);
        return Response("answered");
    }));
    PostMessageA(window, WM_APP, 0, reinterpret_cast<LPARAM>(&handled));
    EXPECT_EQ(FetchWebTextResponsive("http://127.0.0.1/wait", ShortLimits()), "answered");
    EXPECT_TRUE(handled.load());
    DestroyWindow(window);
}

}  // namespace
}  // namespace qx
