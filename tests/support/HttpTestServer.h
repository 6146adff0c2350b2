#pragma once

#include <QTcpServer>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

class QTcpSocket;

// A scripted HTTP/1.1 server on 127.0.0.1 (a free port), served by the test's own event loop.
// Each connection gets one reply and is then closed, unless the reply stalls.
class HttpTestServer {
public:
    struct Request {
        // As sent: path and query.
        std::string target;
        std::string path;
        std::string query;
        // Names in lower case.
        std::map<std::string, std::string> headers;

        // The decoded value of a query key, or "" when absent.
        [[nodiscard]] std::string queryValue(const std::string& key) const;
        [[nodiscard]] bool hasQueryKey(const std::string& key) const;
    };

    enum class Behaviour {
        normal,
        // Accept the request and never answer.
        stallBeforeHeaders,
        // Send the headers (with the full length) and stallAfterBytes of the body, then nothing.
        stallAfterPartialBody,
    };

    struct Reply {
        int status = 200;
        // No Content-Type header when empty.
        std::string contentType = "application/json";
        std::string body;
        std::vector<std::pair<std::string, std::string>> headers;
        Behaviour behaviour = Behaviour::normal;
        std::size_t stallAfterBytes = 0;
    };

    static Reply json(std::string body, int status = 200);
    static Reply text(std::string body, int status = 200, std::string contentType = "text/html");
    static Reply redirect(const std::string& location);
    static Reply silent() { return {.behaviour = Behaviour::stallBeforeHeaders}; }

    HttpTestServer();

    // The reply for a path (without query). Unrouted paths get a 404 page.
    void route(const std::string& path, Reply reply) { routes_[path] = std::move(reply); }
    // Decides every reply, ahead of the routes.
    void setHandler(std::function<Reply(const Request&)> handler) { handler_ = std::move(handler); }

    // "http://127.0.0.1:<port>" followed by pathAndQuery.
    [[nodiscard]] std::string url(const std::string& pathAndQuery = "") const;
    [[nodiscard]] std::vector<Request> requests() const { return requests_; }
    [[nodiscard]] int requestCount() const { return static_cast<int>(requests_.size()); }
    // Runs the event loop until count requests have arrived; false after the time limit.
    [[nodiscard]] bool waitForRequests(int count, int timeoutMs = 20000) const;

private:
    void read(QTcpSocket& socket, QByteArray& received);
    void answer(QTcpSocket& socket, const Request& request) const;

    std::map<std::string, Reply> routes_;
    std::function<Reply(const Request&)> handler_;
    std::vector<Request> requests_;
    // Declared last, so its sockets go first.
    QTcpServer server_;
};
