#include "support/HttpTestServer.h"

#include <QTcpSocket>
#include <QTest>
#include <QUrlQuery>

std::string HttpTestServer::Request::queryValue(const std::string& key) const {
    const QUrlQuery parsed(QString::fromStdString(query));
    return parsed.queryItemValue(QString::fromStdString(key), QUrl::FullyDecoded).toStdString();
}

bool HttpTestServer::Request::hasQueryKey(const std::string& key) const {
    return QUrlQuery(QString::fromStdString(query)).hasQueryItem(QString::fromStdString(key));
}

HttpTestServer::Reply HttpTestServer::json(std::string body, int status) {
    return {.status = status, .body = std::move(body)};
}

HttpTestServer::Reply HttpTestServer::text(std::string body, int status, std::string contentType) {
    return {.status = status, .contentType = std::move(contentType), .body = std::move(body)};
}

HttpTestServer::Reply HttpTestServer::redirect(const std::string& location) {
    return {.status = 302, .contentType = "", .headers = {{"Location", location}}};
}

HttpTestServer::HttpTestServer() {
    server_.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
        // The sockets are the listening server's children.
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            auto received = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket,
                             [this, socket, received] { read(*socket, *received); });
            read(*socket, *received);
        }
    });
}

std::string HttpTestServer::url(const std::string& pathAndQuery) const {
    return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + pathAndQuery;
}

bool HttpTestServer::waitForRequests(int count, int timeoutMs) const {
    return QTest::qWaitFor([&] { return requestCount() >= count; }, timeoutMs);
}

// Collects the request head; answers once it is complete. Later bytes are ignored.
void HttpTestServer::read(QTcpSocket& socket, QByteArray& received) {
    const bool answered = received.contains("\r\n\r\n");
    received.append(socket.readAll());
    const auto end = received.indexOf("\r\n\r\n");
    if (answered || end < 0) {
        return;
    }
    const QList<QByteArray> lines = received.left(end).split('\n');
    Request request{.target = lines.front().split(' ').value(1).toStdString()};
    const auto question = request.target.find('?');
    request.path = request.target.substr(0, question);
    request.query = question == std::string::npos ? "" : request.target.substr(question + 1);
    for (const QByteArray& line : lines.mid(1)) {
        if (const auto colon = line.indexOf(':'); colon > 0) {
            request.headers[line.left(colon).trimmed().toLower().toStdString()] =
                line.mid(colon + 1).trimmed().toStdString();
        }
    }
    requests_.push_back(request);
    answer(socket, request);
}

void HttpTestServer::answer(QTcpSocket& socket, const Request& request) const {
    Reply reply = text("<html><body>not found</body></html>", 404);
    if (handler_) {
        reply = handler_(request);
    } else if (const auto found = routes_.find(request.path); found != routes_.end()) {
        reply = found->second;
    }
    if (reply.behaviour == Behaviour::stallBeforeHeaders) {
        return;
    }
    if (!reply.contentType.empty()) {
        reply.headers.emplace_back("Content-Type", reply.contentType);
    }
    reply.headers.emplace_back("Content-Length", std::to_string(reply.body.size()));
    reply.headers.emplace_back("Connection", "close");
    std::string out = "HTTP/1.1 " + std::to_string(reply.status) + " Status\r\n";
    for (const auto& [name, value] : reply.headers) {
        out += name + ": " + value + "\r\n";
    }
    const bool stall = reply.behaviour == Behaviour::stallAfterPartialBody;
    out += "\r\n" + (stall ? reply.body.substr(0, reply.stallAfterBytes) : reply.body);
    socket.write(out.data(), static_cast<qint64>(out.size()));
    if (!stall) {
        socket.disconnectFromHost();
    }
}
