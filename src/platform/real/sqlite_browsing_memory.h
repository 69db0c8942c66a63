#pragma once

// The browsing memory in one SQLite database of the program's own (Qt SQL's QSQLITE driver, in
// WAL mode, with a busy timeout so that two running copies share it). Visits are written in
// batches, one transaction a few seconds after the first, and when the memory closes. A
// damaged database is moved aside as "<name>.damaged-<date>-<time>" and a new one started; a
// database that cannot be written costs what could not be written. The user hears of each
// problem once.

#include "core/history_index.h"
#include "platform/browsing_memory.h"

#include <QObject>
#include <QSet>
#include <QTimer>

#include <functional>

class MessageBox;
class QSqlDatabase;
class QSqlQuery;

class SqliteBrowsingMemory : public QObject, public BrowsingMemory {
    Q_OBJECT
public:
    // The newest layout of the database, kept in its user_version.
    static constexpr int kSchemaVersion = 1;
    static constexpr int kBatchDelayMs = 2000;

    // $XDG_DATA_HOME/brivola/browsing.sqlite
    static QString defaultPath();

    SqliteBrowsingMemory(const QString& path, MessageBox& messages, QObject* parent = nullptr);
    ~SqliteBrowsingMemory() override;

    // Writes the visits not written yet.
    void flush();
    // Whether the database on disk is in use; false while the memory is kept in memory only.
    bool onDisk() const { return m_onDisk; }

    void recordVisit(const QUrl& url, const QString& title) override;
    void recordTitle(const QUrl& url, const QString& title) override;
    QList<HistoryPage> completions(const QString& typed, int limit) override;
    QList<HistoryVisit> visits(const QString& search) override;
    void removeVisits(const QList<qint64>& ids) override;
    void clearHistory() override;

    double zoomFactor(const QString& host) const override;
    void setZoomFactor(const QString& host, double factor) override;

    std::optional<bool> permission(const QString& origin, const QString& feature) const override;
    void rememberPermission(const SitePermission& permission) override;
    void forgetPermission(const QString& origin, const QString& feature) override;
    QList<SitePermission> permissions() const override;

private:
    struct PendingWrite {
        QString address;
        QString title;
        qint64 time = 0; // 0 for a title only
    };
    enum class Opened { Ready, Damaged, Failed };

    QSqlDatabase database() const;
    void closeConnection();
    void open();
    Opened openFile(const QString& name, const QString& options);
    void moveDamagedAside();
    bool migrate(QSqlQuery& query, bool readOnly);
    bool loadIndex(QSqlQuery& query);
    void catchUp();
    qint64 dataVersion();
    void queue(const PendingWrite& pending);
    // Runs the writes in one transaction; false, with the user told, when they could not be made.
    bool write(const std::function<bool(QSqlQuery&)>& writes);
    void reloadPages(const QStringList& addresses);
    void tell(const QString& kind, const QString& text);

    const QString m_path;
    MessageBox& m_messages;
    QString m_connection;
    QString m_openProblem; // why the database last failed to open
    bool m_onDisk = false;
    HistoryIndex m_index;
    qint64 m_indexVersion = 0; // the file's data version the index was read at
    QList<PendingWrite> m_pending;
    QTimer m_batchTimer;
    QSet<QString> m_told;
};
