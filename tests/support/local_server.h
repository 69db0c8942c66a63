#pragma once

// A web server on 127.0.0.1 for tests that need the engine to load real pages: each path gets
// the response the test sets. With TLS it serves the self-signed certificate kept in certs/.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QTcpServer>
#include <QUrl>

#include <utility>

class LocalServer : public QObject {
    Q_OBJECT
public:
    struct Response {
        QByteArray body;
        QByteArray contentType = "text/html; charset=utf-8";
        QList<QByteArray> headers = {}; // "Name: value" lines
        QByteArray status = "200 OK";
    };

    enum class Security { Plain, SelfSigned };
    explicit LocalServer(Security security = Security::Plain);

    void set(const QString& path, const Response& response) { m_responses[path] = response; }
    void setPage(const QString& path, const QByteArray& html) { set(path, {html}); }
    // The path answers with a redirect (302) to the other.
    void setRedirect(const QString& path, const QString& to)
    {
        set(path, {{}, "text/plain", {"Location: " + to.toUtf8()}, "302 Found"});
    }
    // The path answers 401 with a Basic challenge for the realm, and its page "Locked out",
    // until a request brings the user name and password.
    void protect(const QString& path, const QByteArray& realm, const QByteArray& userAndPassword);
    QUrl url(const QString& path) const;

    QList<QByteArray> requests; // the head of every request, in order

private:
    void answer(QTcpSocket* socket);
    void useCertificate();

    QTcpServer* m_server;
    QHash<QString, Response> m_responses;
    QHash<QString, std::pair<QByteArray, QByteArray>> m_protected; // realm, expected credentials
};
