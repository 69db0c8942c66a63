#include "platform/real/session_hand_off.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDataStream>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

const QString kInterface = QStringLiteral("org.freedesktop.Application");
constexpr int kConnectMs = 1000;
// The running program answers once the windows are open, which takes a moment when it is busy.
constexpr int kAnswerMs = 10000;
constexpr char kTaken = '\1';

bool handOverOnBus(const QDBusConnection& bus, const QStringList& addresses)
{
    if (!bus.interface()->isServiceRegistered(SessionHandOff::kServiceName))
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        SessionHandOff::kServiceName, SessionHandOff::kObjectPath, kInterface,
        addresses.isEmpty() ? QStringLiteral("Activate") : QStringLiteral("Open"));
    if (!addresses.isEmpty())
        call << addresses;
    call << QVariantMap();
    return bus.call(call, QDBus::Block, kAnswerMs).type() == QDBusMessage::ReplyMessage;
}

bool handOverOnSocket(const QStringList& addresses)
{
    QLocalSocket socket;
    socket.connectToServer(SessionHandOff::socketPath());
    if (!socket.waitForConnected(kConnectMs))
        return false;
    QDataStream stream(&socket);
    stream << addresses;
    if (!socket.waitForBytesWritten(kConnectMs))
        return false;
    // Taken only when the running program says so: a dying one may accept and then drop it.
    return socket.waitForReadyRead(kAnswerMs) && socket.read(1) == QByteArray(1, kTaken);
}

} // namespace

SessionHandOff::SessionHandOff(const QDBusConnection& bus, QObject* parent)
    : QObject(parent), m_bus(bus)
{
}

SessionHandOff::~SessionHandOff()
{
    if (m_ownsName) {
        m_bus.unregisterObject(kObjectPath);
        m_bus.unregisterService(kServiceName);
    }
}

bool SessionHandOff::handOver(const QDBusConnection& bus, const QStringList& addresses)
{
    // With a session bus, a running program is on it; it never listens on the socket then.
    if (bus.isConnected())
        return handOverOnBus(bus, addresses);
    return handOverOnSocket(addresses);
}

QString SessionHandOff::socketPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           QStringLiteral("/brivola-session");
}

bool SessionHandOff::claim()
{
    return m_bus.isConnected() ? claimOnBus() : claimSocket();
}

bool SessionHandOff::claimOnBus()
{
    new FreedesktopApplicationAdaptor(this);
    if (!m_bus.registerObject(kObjectPath, this, QDBusConnection::ExportAdaptors))
        return false;
    // The bus gives the name to one program only, so two starting at once cannot both get it.
    m_ownsName = m_bus.registerService(kServiceName);
    if (!m_ownsName)
        m_bus.unregisterObject(kObjectPath);
    return m_ownsName;
}

bool SessionHandOff::claimSocket()
{
    const QString path = socketPath();
    QLocalSocket probe;
    probe.connectToServer(path);
    if (probe.waitForConnected(kConnectMs))
        return false;
    // Nobody answers: what is left there belongs to a program that ended without removing it.
    QLocalServer::removeServer(path);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { receive(socket); });
        }
    });
    // Without the socket the program still runs, only alone: a later start is another program.
    if (!m_server->listen(path))
        qWarning("brivola: cannot listen on %s: %s", qPrintable(path),
                 qPrintable(m_server->errorString()));
    return true;
}

void SessionHandOff::receive(QLocalSocket* socket)
{
    QDataStream stream(socket);
    stream.startTransaction();
    QStringList addresses;
    stream >> addresses;
    if (!stream.commitTransaction())
        return; // the rest is still on its way
    socket->write(QByteArray(1, kTaken));
    socket->flush();
    socket->disconnectFromServer();
    emit addressesReceived(addresses);
}

FreedesktopApplicationAdaptor::FreedesktopApplicationAdaptor(SessionHandOff* handOff)
    : QDBusAbstractAdaptor(handOff), m_handOff(handOff)
{
}

void FreedesktopApplicationAdaptor::Activate(const QVariantMap& /*platformData*/)
{
    emit m_handOff->addressesReceived({});
}

void FreedesktopApplicationAdaptor::Open(const QStringList& uris,
                                         const QVariantMap& /*platformData*/)
{
    emit m_handOff->addressesReceived(uris);
}

void FreedesktopApplicationAdaptor::ActivateAction(const QString& /*name*/,
                                                   const QVariantList& /*parameter*/,
                                                   const QVariantMap& /*platformData*/)
{
    emit m_handOff->addressesReceived({});
}
