#pragma once

// A web server on 127.0.0.1 for tests that need the engine to load real pages: each path gets
// the response the test sets. With TLS it serves the self-signed certificate kept in certs/.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QTcpServer>
#include <QUrl>

class LocalServer : public QObject {
    Q_OBJECT
public:
    struct Response {
        QByteArray body;
        QByteArray contentType = "text/html; charset=utf-8";
        QList<QByteArray> headers = {}; // "Name: value" lines
    };

    enum class Security { Plain, SelfSigned };
    explicit LocalServer(Security security = Security::Plain);

    void set(const QString& path, const Response& response) { m_responses[path] = response; }
    void setPage(const QString& path, const QByteArray& html) { set(path, {html}); }
    QUrl url(const QString& path) const;

private:
    void answer(QTcpSocket* socket);
    void useCertificate();

    QTcpServer* m_server;
    QHash<QString, Response> m_responses;
};
