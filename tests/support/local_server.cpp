#include "support/local_server.h"

#include "support/files.h"

#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QTcpSocket>

LocalServer::LocalServer(Security security)
    : m_server(security == Security::SelfSigned ? new QSslServer(this) : new QTcpServer(this))
{
    if (security == Security::SelfSigned)
        useCertificate();
    connect(m_server, &QTcpServer::pendingConnectionAvailable, this, [this] {
        while (QTcpSocket* socket = m_server->nextPendingConnection())
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
    });
    m_server->listen(QHostAddress::LocalHost);
}

// The engine checks nothing of a test's own certificate but its trust, so one self-signed
// certificate for 127.0.0.1, kept with the tests, serves every test.
void LocalServer::useCertificate()
{
    const QString folder = QStringLiteral(BRIVOLA_TEST_CERTIFICATES);
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setPrivateKey(QSslKey(fileBytes(folder + "/key.pem"), QSsl::Rsa));
    configuration.setLocalCertificate(QSslCertificate(fileBytes(folder + "/cert.pem")));
    static_cast<QSslServer*>(m_server)->setSslConfiguration(configuration);
}

QUrl LocalServer::url(const QString& path) const
{
    const QString scheme = qobject_cast<QSslServer*>(m_server) ? "https" : "http";
    return QUrl(
        QStringLiteral("%1://127.0.0.1:%2%3").arg(scheme).arg(m_server->serverPort()).arg(path));
}

void LocalServer::protect(const QString& path, const QByteArray& realm,
                          const QByteArray& userAndPassword)
{
    m_protected[path] = {realm, userAndPassword};
}

void LocalServer::answer(QTcpSocket* socket)
{
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n"))
        return;
    requests.append(request.left(request.indexOf("\r\n\r\n")));
    const QString path = QString::fromLatin1(request.split(' ').value(1)).section('?', 0, 0);
    const bool found = m_responses.contains(path);
    Response response = found ? m_responses[path] : Response{"not here", "text/plain", {}};
    QByteArray reply = "HTTP/1.1 " + (found ? response.status : "404 Not Found") + "\r\n";
    const auto lock = m_protected.constFind(path);
    if (lock != m_protected.cend() &&
        !request.contains("\r\nAuthorization: Basic " + lock->second.toBase64() + "\r\n")) {
        reply = "HTTP/1.1 401 Unauthorized\r\n";
        response = {"<title>Locked out</title>", "text/html", {}};
        response.headers.append("WWW-Authenticate: Basic realm=\"" + lock->first + '"');
    }
    reply += "Content-Type: " + response.contentType + "\r\n";
    for (const QByteArray& header : response.headers)
        reply += header + "\r\n";
    reply += "Content-Length: " + QByteArray::number(response.body.size()) +
             "\r\nConnection: close\r\n\r\n" + response.body;
    socket->write(reply);
    socket->disconnectFromHost();
}
