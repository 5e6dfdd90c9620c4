#include "tests/download/TestHttpServer.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <cstring>

namespace {

// Bounds every blocking socket call, so no connection outlives a test.
const DWORD kSocketTimeoutMs = 15000;
// Bounds every wait for a release event.
const DWORD kReleaseTimeoutMs = 30000;

void StartWinsock()
{
    static const bool started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    (void)started;
}

const char* ReasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    default: return "Status";
    }
}

bool SendAll(SOCKET s, const char* data, size_t size)
{
    while (size > 0) {
        const int chunk = static_cast<int>(std::min<size_t>(size, 64 * 1024));
        const int sent = send(s, data, chunk, 0);
        if (sent <= 0)
            return false;
        data += sent;
        size -= static_cast<size_t>(sent);
    }
    return true;
}

std::string HeaderValue(const std::string& head, const char* name)
{
    std::string lowerHead = head;
    std::transform(lowerHead.begin(), lowerHead.end(), lowerHead.begin(), ::tolower);
    const std::string key = std::string("\r\n") + name + ":";
    const size_t at = lowerHead.find(key);
    if (at == std::string::npos)
        return "";
    size_t start = at + key.size();
    while (start < head.size() && head[start] == ' ')
        ++start;
    return head.substr(start, head.find("\r\n", start) - start);
}

}  // namespace

CTestHttpServer::CTestHttpServer(DWORD lifetimeMs) : m_lifetimeMs(lifetimeMs)
{
    StartWinsock();
    m_stop = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    m_listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    int length = sizeof address;
    if (bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        listen(m_listener, 16) == 0 &&
        getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        m_port = ntohs(address.sin_port);
    m_acceptThread = std::thread(&CTestHttpServer::AcceptLoop, this);
}

CTestHttpServer::~CTestHttpServer()
{
    Stop();
    closesocket(m_listener);
    CloseHandle(m_stop);
}

void CTestHttpServer::Stop()
{
    SetEvent(m_stop);
    if (m_acceptThread.joinable())
        m_acceptThread.join();
    for (std::thread& connection : m_connections)
        connection.join();
    m_connections.clear();
}

void CTestHttpServer::Route(const std::string& pathPrefix, const TestReply& reply)
{
    m_routes.emplace_back(pathPrefix, reply);
}

std::string CTestHttpServer::Url(const std::string& path) const
{
    return "http://127.0.0.1:" + std::to_string(m_port) + path;
}

std::vector<SeenRequest> CTestHttpServer::Requests()
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_requests;
}

bool CTestHttpServer::Saw(const std::string& prefix)
{
    for (const SeenRequest& request : Requests()) {
        if (request.target.compare(0, prefix.size(), prefix) == 0)
            return true;
    }
    return false;
}

void CTestHttpServer::AcceptLoop()
{
    const DWORD start = GetTickCount();
    while (WaitForSingleObject(m_stop, 0) == WAIT_TIMEOUT && GetTickCount() - start < m_lifetimeMs) {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(m_listener, &readable);
        timeval tick = {0, 20000};
        if (select(0, &readable, nullptr, nullptr, &tick) != 1)
            continue;
        SOCKET connection = accept(m_listener, nullptr, nullptr);
        if (connection == INVALID_SOCKET)
            continue;
        m_connections.emplace_back(&CTestHttpServer::Serve, this, connection);
    }
}

void CTestHttpServer::Serve(SOCKET connection)
{
    const DWORD timeout = kSocketTimeoutMs;
    setsockopt(connection, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof timeout);
    setsockopt(connection, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&timeout), sizeof timeout);

    std::string head;
    char buffer[4096];
    while (head.find("\r\n\r\n") == std::string::npos && head.size() < 65536) {
        const int got = recv(connection, buffer, sizeof buffer, 0);
        if (got <= 0)
            break;
        head.append(buffer, static_cast<size_t>(got));
    }
    const size_t targetStart = head.find(' ');
    const size_t targetEnd = head.find(' ', targetStart + 1);
    if (targetStart == std::string::npos || targetEnd == std::string::npos) {
        closesocket(connection);
        return;
    }
    SeenRequest request;
    request.target = head.substr(targetStart + 1, targetEnd - targetStart - 1);
    request.userAgent = HeaderValue(head, "user-agent");
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_requests.push_back(request);
    }

    const TestReply* reply = FindReply(request.target);
    TestReply notFound;
    notFound.status = 404;
    notFound.body = "no such page";
    SendReply(connection, reply ? *reply : notFound);
}

const TestReply* CTestHttpServer::FindReply(const std::string& target) const
{
    const TestReply* best = nullptr;
    size_t bestLength = 0;
    for (const auto& route : m_routes) {
        if (target.compare(0, route.first.size(), route.first) == 0 && route.first.size() >= bestLength) {
            best = &route.second;
            bestLength = route.first.size();
        }
    }
    return best;
}

void CTestHttpServer::SendReply(SOCKET connection, const TestReply& reply)
{
    std::string head = "HTTP/1.1 " + std::to_string(reply.status) + " " + ReasonPhrase(reply.status) +
                       "\r\nContent-Type: application/octet-stream\r\nConnection: close\r\n";
    if (reply.announcedLength != TestReply::kNoLength) {
        const long long length = reply.announcedLength == TestReply::kBodySize
                                     ? static_cast<long long>(reply.body.size())
                                     : reply.announcedLength;
        head += "Content-Length: " + std::to_string(length) + "\r\n";
    }
    head += "\r\n";

    bool open = SendAll(connection, head.data(), head.size());
    size_t sent = 0;
    for (const ReplyPiece& piece : reply.pieces) {
        if (!open)
            break;
        const size_t n = std::min(piece.bytes, reply.body.size() - sent);
        open = SendAll(connection, reply.body.data() + sent, n);
        sent += n;
        if (piece.reached)
            SetEvent(piece.reached);
        if (piece.pauseMs && !WaitOrStop(nullptr, piece.pauseMs))
            open = false;
        if (piece.release && !WaitOrStop(piece.release, kReleaseTimeoutMs))
            open = false;
    }
    if (open)
        SendAll(connection, reply.body.data() + sent, reply.body.size() - sent);

    if (reply.reset) {
        linger abortive = {1, 0};
        setsockopt(connection, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&abortive), sizeof abortive);
    } else {
        shutdown(connection, SD_SEND);
    }
    closesocket(connection);
}

// Waits for the event (or just the time when event is null); false when the
// server is stopping.
bool CTestHttpServer::WaitOrStop(HANDLE event, DWORD timeoutMs)
{
    if (!event)
        return WaitForSingleObject(m_stop, timeoutMs) == WAIT_TIMEOUT;
    HANDLE events[] = {event, m_stop};
    return WaitForMultipleObjects(2, events, FALSE, timeoutMs) == WAIT_OBJECT_0;
}

unsigned short RefusedPort()
{
    StartWinsock();
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof address;
    bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
    getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
    closesocket(s);
    return ntohs(address.sin_port);
}
