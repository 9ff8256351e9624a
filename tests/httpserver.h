#pragma once

#include <QHostAddress>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>

namespace testsupport {

// A very small HTTP server on 127.0.0.1 for the tests: every GET is answered with a
// page whose title the test chooses from the request path.
class TitleServer : public QObject {
 public:
  // Returns the title of the page for a path with its query.
  std::function<QString(const QString& target)> titleFor = [](const QString&) {
    return QStringLiteral("page");
  };
  QStringList requests;

  TitleServer() {
    connect(&server_, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
      }
    });
    server_.listen(QHostAddress::LocalHost, 0);
  }

  QString url() const { return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()); }

  int count(const QString& part) const {
    int n = 0;
    for (const QString& request : requests)
      n += request.contains(part) ? 1 : 0;
    return n;
  }

 private:
  void answer(QTcpSocket* socket) {
    const QByteArray head = socket->readAll();
    const QList<QByteArray> words = head.split(' ');
    if (words.size() < 2)
      return;
    const QString target = QString::fromLatin1(words.at(1));
    if (target.startsWith(QLatin1String("/favicon"))) {
      socket->write("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
      socket->disconnectFromHost();
      return;
    }
    requests << target;
    const QByteArray body = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>" +
                            titleFor(target).toUtf8() + "</title></head><body><h1>" +
                            titleFor(target).toUtf8() + "</h1></body></html>";
    socket->write(
        "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nCache-Control: "
        "no-store\r\nConnection: close\r\nContent-Length: " +
        QByteArray::number(body.size()) + "\r\n\r\n" + body);
    socket->disconnectFromHost();
  }

  QTcpServer server_;
};

}  // namespace testsupport
