#include "support/HttpTestServer.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QUrlQuery>
#include <algorithm>
#include <sys/socket.h>

namespace {

const char* reasonPhrase(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 204:
        return "No Content";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Generated bodies go out in pieces of this size, each once the previous one has left.
constexpr std::size_t pieceSize = 256 * 1024;

} // namespace

struct HttpTestServer::Connection {
    QTcpSocket* socket = nullptr;
    std::string received;
    bool answered = false;
    // Generated body bytes still to send.
    std::uint64_t remaining = 0;
};

std::string HttpTestServer::Request::queryValue(const std::string& key) const {
    const QUrlQuery parsed(QString::fromStdString(query));
    return parsed.queryItemValue(QString::fromStdString(key), QUrl::FullyDecoded).toStdString();
}

bool HttpTestServer::Request::hasQueryKey(const std::string& key) const {
    return QUrlQuery(QString::fromStdString(query)).hasQueryItem(QString::fromStdString(key));
}

HttpTestServer::Reply HttpTestServer::json(std::string body, int status) {
    Reply reply;
    reply.status = status;
    reply.body = std::move(body);
    return reply;
}

HttpTestServer::Reply HttpTestServer::text(std::string body, int status, std::string contentType) {
    Reply reply;
    reply.status = status;
    reply.contentType = std::move(contentType);
    reply.body = std::move(body);
    return reply;
}

HttpTestServer::Reply HttpTestServer::redirect(const std::string& location, int status) {
    Reply reply;
    reply.status = status;
    reply.contentType = "text/html";
    reply.body = "<a href=\"" + location + "\">moved</a>";
    reply.headers.emplace_back("Location", location);
    return reply;
}

HttpTestServer::HttpTestServer() : server_(std::make_unique<QTcpServer>()) {
    server_->listen(QHostAddress::LocalHost, 0);
    QObject::connect(server_.get(), &QTcpServer::newConnection, server_.get(),
                     [this] { accept(); });
}

HttpTestServer::~HttpTestServer() {
    for (auto& connection : connections_) {
        QObject::disconnect(connection->socket, nullptr, nullptr, nullptr);
        connection->socket->abort();
        delete connection->socket;
    }
}

void HttpTestServer::route(const std::string& path, Reply reply) {
    routes_[path] = std::move(reply);
}

void HttpTestServer::setHandler(std::function<Reply(const Request&)> handler) {
    handler_ = std::move(handler);
}

std::uint16_t HttpTestServer::port() const {
    return server_->serverPort();
}

std::string HttpTestServer::url(const std::string& pathAndQuery) const {
    return "http://127.0.0.1:" + std::to_string(port()) + pathAndQuery;
}

bool HttpTestServer::waitForRequests(int count, int timeoutMs) const {
    return QTest::qWaitFor([&] { return requestCount() >= count; }, timeoutMs);
}

int HttpTestServer::openConnections() const {
    return static_cast<int>(
        std::count_if(connections_.begin(), connections_.end(), [](const auto& c) {
            return c->socket->state() == QAbstractSocket::ConnectedState;
        }));
}

void HttpTestServer::accept() {
    while (auto* socket = server_->nextPendingConnection()) {
        // The server owns its sockets; they go with it.
        socket->setParent(nullptr);
        auto connection = std::make_unique<Connection>();
        connection->socket = socket;
        Connection* raw = connection.get();
        connections_.push_back(std::move(connection));
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, raw] { readFrom(*raw); });
        QObject::connect(socket, &QTcpSocket::bytesWritten, socket, [this, raw] { pump(*raw); });
        readFrom(*raw);
    }
}

void HttpTestServer::readFrom(Connection& connection) {
    const QByteArray data = connection.socket->readAll();
    if (connection.answered) {
        return;
    }
    connection.received.append(data.constData(), static_cast<std::size_t>(data.size()));
    const auto end = connection.received.find("\r\n\r\n");
    if (end == std::string::npos) {
        return;
    }
    Request request;
    std::size_t lineStart = 0;
    bool first = true;
    while (lineStart < end) {
        const auto lineEnd = connection.received.find("\r\n", lineStart);
        const std::string line = connection.received.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 2;
        if (first) {
            first = false;
            const auto space = line.find(' ');
            const auto second = line.find(' ', space + 1);
            request.method = line.substr(0, space);
            request.target = line.substr(space + 1, second - space - 1);
            const auto question = request.target.find('?');
            request.path = request.target.substr(0, question);
            request.query =
                question == std::string::npos ? std::string() : request.target.substr(question + 1);
            continue;
        }
        const auto colon = line.find(':');
        if (colon == std::string::npos) {
            continue;
        }
        const std::string name = line.substr(0, colon);
        const std::string value = trimmed(line.substr(colon + 1));
        request.headerList.emplace_back(name, value);
        request.headers[lower(name)] = value;
    }
    connection.answered = true;
    requests_.push_back(request);
    answer(connection, request);
}

HttpTestServer::Reply HttpTestServer::replyFor(const Request& request) const {
    if (handler_) {
        return handler_(request);
    }
    if (const auto found = routes_.find(request.path); found != routes_.end()) {
        return found->second;
    }
    return text("<html><body>not found</body></html>", 404);
}

void HttpTestServer::answer(Connection& connection, const Request& request) {
    const Reply reply = replyFor(request);
    QTcpSocket& socket = *connection.socket;
    switch (reply.behaviour) {
    case Behaviour::stallBeforeHeaders:
        return;
    case Behaviour::reset: {
        // A zero linger time makes close() send a reset rather than an orderly end.
        const linger hard{1, 0};
        setsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard,
                   sizeof hard);
        socket.abort();
        return;
    }
    default:
        break;
    }
    std::string head = "HTTP/1.1 " + std::to_string(reply.status) + " " +
                       reasonPhrase(reply.status) + "\r\nConnection: close\r\n";
    if (!reply.contentType.empty()) {
        head += "Content-Type: " + reply.contentType + "\r\n";
    }
    for (const auto& [name, value] : reply.headers) {
        head += name + ": " + value + "\r\n";
    }
    const std::uint64_t length =
        reply.generatedBytes != 0 ? reply.generatedBytes : reply.body.size();
    if (reply.behaviour == Behaviour::chunked) {
        head += "Transfer-Encoding: chunked\r\n\r\n";
        std::string out = head;
        for (std::size_t at = 0; at < reply.body.size(); at += reply.chunkSize) {
            const std::string piece = reply.body.substr(at, reply.chunkSize);
            char size[32];
            std::snprintf(size, sizeof size, "%zx\r\n", piece.size());
            out += size + piece + "\r\n";
        }
        out += "0\r\n\r\n";
        socket.write(out.data(), static_cast<qint64>(out.size()));
        socket.disconnectFromHost();
        return;
    }
    head += "Content-Length: " + std::to_string(length) + "\r\n\r\n";
    socket.write(head.data(), static_cast<qint64>(head.size()));
    if (reply.behaviour == Behaviour::stallAfterPartialBody) {
        const std::string part = reply.body.substr(0, reply.stallAfterBytes);
        socket.write(part.data(), static_cast<qint64>(part.size()));
        socket.flush();
        return;
    }
    if (reply.generatedBytes != 0) {
        connection.remaining = reply.generatedBytes;
        pump(connection);
        return;
    }
    socket.write(reply.body.data(), static_cast<qint64>(reply.body.size()));
    socket.disconnectFromHost();
}

void HttpTestServer::pump(Connection& connection) {
    if (connection.remaining == 0 || connection.socket->bytesToWrite() > 0) {
        return;
    }
    const auto size =
        static_cast<std::size_t>(std::min<std::uint64_t>(connection.remaining, pieceSize));
    const std::string piece(size, 'x');
    connection.socket->write(piece.data(), static_cast<qint64>(piece.size()));
    connection.remaining -= size;
    if (connection.remaining == 0) {
        connection.socket->disconnectFromHost();
    }
}
