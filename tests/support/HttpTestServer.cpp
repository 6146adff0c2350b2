#include "support/HttpTestServer.h"

#include <QTcpSocket>
#include <QUrlQuery>
#include <algorithm>

std::string HttpTestServer::Request::queryValue(const std::string& key) const {
    const QUrlQuery parsed(QString::fromStdString(query));
    return parsed.queryItemValue(QString::fromStdString(key), QUrl::FullyDecoded).toStdString();
}

bool HttpTestServer::Request::hasQueryKey(const std::string& key) const {
    return QUrlQuery(QString::fromStdString(query)).hasQueryItem(QString::fromStdString(key));
}

HttpTestServer::HttpTestServer() {
    server_.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::readyRead, socket,
                             [this, socket, received = std::make_shared<QByteArray>()] {
                                 serve(*socket, *received);
                             });
        }
    });
}

void HttpTestServer::serve(QAbstractSocket& socket, QByteArray& received) {
    received.append(socket.readAll());
    const auto end = received.indexOf("\r\n\r\n");
    if (end < 0) {
        return;
    }
    const QList<QByteArray> lines = received.left(end).split('\n');
    const QList<QByteArray> target = lines.front().split(' ').value(1).split('?');
    Request request{.path = target.front().toStdString(), .query = target.value(1).toStdString()};
    for (const QByteArray& line : lines.mid(1)) {
        if (const auto colon = line.indexOf(':'); colon > 0) {
            request.headers[line.left(colon).trimmed().toLower().toStdString()] =
                line.mid(colon + 1).trimmed().toStdString();
        }
    }
    requests_.push_back(request);
    const auto routed = routes_.find(request.path);
    const Reply reply = handler_                  ? handler_(request)
                        : routed != routes_.end() ? routed->second
                                                  : json("not found", 404, "text/html");
    if (reply.silent) {
        return;
    }
    const bool ownLength = std::ranges::any_of(
        reply.headers, [](const auto& header) { return header.first == "Content-Length"; });
    std::string out =
        "HTTP/1.1 " + std::to_string(reply.status) + " Status\r\n" +
        (ownLength ? std::string()
                   : "Content-Length: " + std::to_string(reply.body.size()) + "\r\n") +
        "Connection: close\r\n";
    for (const auto& [name, value] : reply.headers) {
        if (value.empty()) {
            continue; // a header left out, a Content-Length for instance
        }
        out += name + ": " + value + "\r\n";
    }
    out += "\r\n" + reply.body;
    socket.write(out.data(), static_cast<qint64>(out.size()));
    socket.disconnectFromHost();
}
