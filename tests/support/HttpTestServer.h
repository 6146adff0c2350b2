#pragma once

#include <QTcpServer>
#include <QTest>
#include <functional>
#include <map>
#include <string>
#include <vector>

// A scripted HTTP/1.1 server on 127.0.0.1, one reply per connection, run by the test's loop.
class HttpTestServer {
public:
    struct Request {
        std::string path; // as it arrived, escapes and all
        std::string query;
        std::map<std::string, std::string> headers; // names in lower case
        // The decoded value of a query key, or "" when absent.
        [[nodiscard]] std::string queryValue(const std::string& key) const;
        [[nodiscard]] bool hasQueryKey(const std::string& key) const;
    };
    using Headers = std::vector<std::pair<std::string, std::string>>;
    struct Reply {
        int status = 200;
        std::string body;
        // "Content-Length" here replaces the true one; with an empty value, none is sent.
        Headers headers{{"Content-Type", "application/json"}};
        bool silent = false; // never answers
    };

    // Any body; typed as JSON unless told otherwise.
    static Reply json(std::string body, int status = 200, std::string type = "application/json") {
        return {status, std::move(body), {{"Content-Type", std::move(type)}}};
    }
    static Reply redirect(std::string to) { return {.status = 302, .headers = {{"Location", to}}}; }
    static Reply silent() { return {.silent = true}; }

    HttpTestServer();
    // The reply for a path (without query), else a 404 page; a handler overrides the routes.
    void route(const std::string& path, Reply reply) { routes_[path] = std::move(reply); }
    void setHandler(std::function<Reply(const Request&)> handler) { handler_ = std::move(handler); }

    [[nodiscard]] std::string url(const std::string& pathAndQuery = "") const {
        return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + pathAndQuery;
    }
    [[nodiscard]] std::vector<Request> requests() const { return requests_; }
    [[nodiscard]] int requestCount() const { return static_cast<int>(requests_.size()); }
    // Runs the event loop until count requests have arrived; false after 20 s.
    [[nodiscard]] bool waitForRequests(int count) const {
        return QTest::qWaitFor([&] { return requestCount() >= count; }, 20000);
    }

private:
    void serve(QAbstractSocket& socket, QByteArray& received);

    std::map<std::string, Reply> routes_;
    std::function<Reply(const Request&)> handler_;
    std::vector<Request> requests_;
    QTcpServer server_; // last, so its sockets go first
};
