// A small HTTP/1.1 server inside the test process, on 127.0.0.1 and a free
// port, for driving the download worker through every kind of answer. Each
// request gets the reply routed to the longest matching path prefix, then
// the connection is closed. The server stops by itself after its lifetime.
#pragma once

#include <winsock2.h>
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// One piece of a reply's body delivery: send `bytes` more bytes of the body,
// then set `reached` (when given), then wait pauseMs, then wait for `release`
// (when given).
struct ReplyPiece {
    size_t bytes = 0;
    DWORD pauseMs = 0;
    HANDLE reached = nullptr;
    HANDLE release = nullptr;
};

struct TestReply {
    int status = 200;
    std::string body;
    // The Content-Length sent: the body's size unless set. A larger value
    // makes a truncated reply; kNoLength sends none (the end is the close).
    static const long long kBodySize = -1;
    static const long long kNoLength = -2;
    long long announcedLength = kBodySize;
    // Delivered piece by piece, then whatever is left at once.
    std::vector<ReplyPiece> pieces;
    // Abortive close (a reset) instead of an orderly one.
    bool reset = false;
};

struct SeenRequest {
    std::string target;  // e.g. "/get_video?video_id=...&t=..."
    std::string userAgent;
};

class CTestHttpServer {
public:
    explicit CTestHttpServer(DWORD lifetimeMs = 60000);
    ~CTestHttpServer();
    CTestHttpServer(const CTestHttpServer&) = delete;
    CTestHttpServer& operator=(const CTestHttpServer&) = delete;

    // Ends every delivery and stops accepting; also done by the destructor.
    void Stop();

    // Before the first request.
    void Route(const std::string& pathPrefix, const TestReply& reply);

    unsigned short Port() const { return m_port; }
    // "http://127.0.0.1:<port>" followed by path.
    std::string Url(const std::string& path) const;

    std::vector<SeenRequest> Requests();
    // Whether a request whose target starts with prefix has been seen.
    bool Saw(const std::string& prefix);

private:
    void AcceptLoop();
    void Serve(SOCKET connection);
    const TestReply* FindReply(const std::string& target) const;
    void SendReply(SOCKET connection, const TestReply& reply);
    bool WaitOrStop(HANDLE event, DWORD timeoutMs);

    const DWORD m_lifetimeMs;
    SOCKET m_listener = INVALID_SOCKET;
    unsigned short m_port = 0;
    HANDLE m_stop = nullptr;
    std::vector<std::pair<std::string, TestReply>> m_routes;
    std::mutex m_lock;
    std::vector<SeenRequest> m_requests;
    std::vector<std::thread> m_connections;
    std::thread m_acceptThread;
};

// A port on 127.0.0.1 where nothing listens.
unsigned short RefusedPort();
