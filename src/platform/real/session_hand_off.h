#pragma once

// One program per user session. The first start owns the session's name on the D-Bus session
// bus (org.freedesktop.Application at org.brivola.Brivola), or, where there is no session bus,
// a local socket in XDG_RUNTIME_DIR; a later start hands its addresses to it and ends.

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QObject>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

class SessionHandOff : public QObject {
    Q_OBJECT
public:
    inline static const QString kServiceName = QStringLiteral("org.brivola.Brivola");
    inline static const QString kObjectPath = QStringLiteral("/org/brivola/Brivola");

    // bus: the session bus, or a connection that is not connected where there is none.
    explicit SessionHandOff(const QDBusConnection& bus, QObject* parent = nullptr);
    ~SessionHandOff() override;

    // Hands the addresses (none: only raise it) to the session's running program and returns
    // true once it has taken them; false when none runs. Needs a QCoreApplication.
    static bool handOver(const QDBusConnection& bus, const QStringList& addresses);

    // The local socket's path, in the session's runtime folder.
    static QString socketPath();

    // Makes this program the session's one; false when another one already is.
    bool claim();

signals:
    // Another start handed these over; empty when it only asks to be raised.
    void addressesReceived(const QStringList& addresses);

private:
    bool claimOnBus();
    bool claimSocket();
    void receive(QLocalSocket* socket);

    QDBusConnection m_bus;
    bool m_ownsName = false;
    QLocalServer* m_server = nullptr;
};

// The freedesktop application interface on the bus: Activate raises the program, Open opens
// addresses. The program has no actions of its own; asked for one, it comes to the front.
class FreedesktopApplicationAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    explicit FreedesktopApplicationAdaptor(SessionHandOff* handOff);

public slots:
    void Activate(const QVariantMap& platformData);
    void Open(const QStringList& uris, const QVariantMap& platformData);
    void ActivateAction(const QString& name, const QVariantList& parameter,
                        const QVariantMap& platformData);

private:
    SessionHandOff* m_handOff;
};
