#include "platform/real/sqlite_browsing_memory.h"

#include "platform/message_box.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>

#include <array>
#include <initializer_list>
#include <utility>

namespace {

const QString kBusyTimeout = QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000");
// A folder that cannot be written still lends its history to read.
const QString kReadOnly = QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI;") + kBusyTimeout;
// The History window shows at most the newest visits of this many.
constexpr int kVisitsShown = 20000;

// Each step takes the database from the version before it to its own; a new layout adds one.
const std::array<std::initializer_list<const char*>, SqliteBrowsingMemory::kSchemaVersion>
    kMigrations = {{
        // 1: the pages shown and their visits, each site's zoom, the answers kept for sites
        {
            "CREATE TABLE pages (id INTEGER PRIMARY KEY, address TEXT NOT NULL UNIQUE, "
            "title TEXT NOT NULL DEFAULT '', visit_count INTEGER NOT NULL DEFAULT 0, "
            "last_visit INTEGER NOT NULL DEFAULT 0)",
            "CREATE TABLE visits (id INTEGER PRIMARY KEY, "
            "page INTEGER NOT NULL REFERENCES pages (id) ON DELETE CASCADE, time INTEGER NOT NULL)",
            "CREATE INDEX visits_by_page ON visits (page)",
            "CREATE INDEX visits_by_time ON visits (time)",
            "CREATE TABLE site_zoom (host TEXT PRIMARY KEY, factor REAL NOT NULL)",
            "CREATE TABLE site_permissions (origin TEXT NOT NULL, feature TEXT NOT NULL, "
            "allowed INTEGER NOT NULL, PRIMARY KEY (origin, feature))",
        },
    }};

// SQLite's own codes for a file that is no database, or one whose contents make no sense.
bool isDamage(const QSqlError& error)
{
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == 11 || code == 26;
}

bool run(QSqlQuery& query, const QString& statement, const QVariantList& values = {})
{
    if (!query.prepare(statement))
        return false;
    for (const QVariant& value : values)
        query.addBindValue(value);
    return query.exec();
}

QString likePattern(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('%'), QStringLiteral("\\%"))
        .replace(QLatin1Char('_'), QStringLiteral("\\_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

QString idList(const QList<qint64>& ids)
{
    QStringList numbers;
    for (const qint64 id : ids)
        numbers.append(QString::number(id));
    return numbers.join(QLatin1Char(','));
}

} // namespace

QString SqliteBrowsingMemory::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/brivola/browsing.sqlite");
}

SqliteBrowsingMemory::SqliteBrowsingMemory(const QString& path, MessageBox& messages,
                                           QObject* parent)
    : QObject(parent), m_path(path), m_messages(messages),
      m_connection(QStringLiteral("browsing-memory-%1").arg(quintptr(this), 0, 16))
{
    m_batchTimer.setSingleShot(true);
    m_batchTimer.setInterval(kBatchDelayMs);
    connect(&m_batchTimer, &QTimer::timeout, this, &SqliteBrowsingMemory::flush);
    open();
}

SqliteBrowsingMemory::~SqliteBrowsingMemory()
{
    flush();
    closeConnection();
}

QSqlDatabase SqliteBrowsingMemory::database() const
{
    return QSqlDatabase::database(m_connection, false);
}

void SqliteBrowsingMemory::closeConnection()
{
    database().close();
    QSqlDatabase::removeDatabase(m_connection);
}

// The user hears why the first way to open the database failed.
void SqliteBrowsingMemory::open()
{
    if (QDir().mkpath(QFileInfo(m_path).absolutePath())) {
        Opened opened = openFile(m_path, kBusyTimeout);
        if (opened == Opened::Damaged) {
            moveDamagedAside();
            opened = openFile(m_path, kBusyTimeout);
        }
        if (opened == Opened::Failed && QFile::exists(m_path))
            opened = openFile(
                QUrl::fromLocalFile(m_path).toString() + QStringLiteral("?immutable=1"), kReadOnly);
        if (opened == Opened::Ready) {
            m_onDisk = true;
            return;
        }
    } else {
        m_openProblem = tr("its folder cannot be made");
    }
    tell(QStringLiteral("open"),
         tr("Brivola cannot keep its history, zoom and site permissions in %1 (%2). Until it "
            "ends, it remembers them in memory only.")
             .arg(QDir::toNativeSeparators(m_path), m_openProblem));
    openFile(QStringLiteral(":memory:"), QString());
}

SqliteBrowsingMemory::Opened SqliteBrowsingMemory::openFile(const QString& name,
                                                            const QString& options)
{
    closeConnection();
    m_index.clear();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(name);
    db.setConnectOptions(options);
    QSqlQuery query(db);
    const bool readOnly = options.contains(QStringLiteral("READONLY"));
    const bool ready = db.open() &&
                       (readOnly || query.exec(QStringLiteral("PRAGMA journal_mode = WAL"))) &&
                       query.exec(QStringLiteral("PRAGMA foreign_keys = ON")) &&
                       migrate(query, readOnly) && loadIndex(query);
    if (ready)
        return Opened::Ready;
    const QSqlError error = query.lastError().isValid() ? query.lastError() : db.lastError();
    if (m_openProblem.isEmpty())
        m_openProblem = error.text();
    return isDamage(error) ? Opened::Damaged : Opened::Failed;
}

// One copy migrates while another waits for it; a layout newer than this program knows is left
// alone.
bool SqliteBrowsingMemory::migrate(QSqlQuery& query, bool readOnly)
{
    if (!readOnly && !query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    const auto fail = [&](const QString& why) {
        if (!readOnly)
            QSqlQuery(database()).exec(QStringLiteral("ROLLBACK"));
        if (m_openProblem.isEmpty())
            m_openProblem = why;
        return false;
    };
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return fail({});
    const int version = query.value(0).toInt();
    query.finish();
    if (version > kSchemaVersion || (readOnly && version != kSchemaVersion))
        return fail(tr("its layout %1 is not one this version of Brivola knows").arg(version));
    for (int step = version; step < kSchemaVersion; ++step) {
        for (const char* statement : kMigrations.at(step)) {
            if (!query.exec(QString::fromLatin1(statement)))
                return fail({});
        }
        if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(step + 1)))
            return fail({});
    }
    return readOnly || query.exec(QStringLiteral("COMMIT")) || fail({});
}

bool SqliteBrowsingMemory::loadIndex(QSqlQuery& query)
{
    m_index.clear();
    m_indexVersion = dataVersion();
    if (!query.exec(QStringLiteral("SELECT address, title, visit_count, last_visit FROM pages")))
        return false;
    while (query.next())
        m_index.put({query.value(0).toString(), query.value(1).toString(), query.value(2).toInt(),
                     query.value(3).toLongLong()});
    return !query.lastError().isValid();
}

// Changes with every change another connection writes to the file, not with this one's own.
qint64 SqliteBrowsingMemory::dataVersion()
{
    QSqlQuery query(database());
    return query.exec(QStringLiteral("PRAGMA data_version")) && query.next()
               ? query.value(0).toLongLong()
               : m_indexVersion;
}

// Another copy of the program, in another session of the user, records into the same file; the
// index reads the pages again once that copy has written. This copy's visits not written yet
// are written first, so that the pages read back hold them.
void SqliteBrowsingMemory::catchUp()
{
    if (dataVersion() == m_indexVersion)
        return;
    flush();
    QSqlQuery query(database());
    loadIndex(query);
}

void SqliteBrowsingMemory::moveDamagedAside()
{
    closeConnection();
    const QString aside = m_path + QStringLiteral(".damaged-") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QFile::remove(aside);
    QFile::rename(m_path, aside);
    QFile::remove(aside + QStringLiteral("-wal"));
    QFile::rename(m_path + QStringLiteral("-wal"), aside + QStringLiteral("-wal"));
    QFile::remove(m_path + QStringLiteral("-shm"));
    tell(QStringLiteral("damaged"),
         tr("The database of Brivola's history, zoom and site permissions was damaged. It was "
            "moved aside as %1, and a new one was started.")
             .arg(QDir::toNativeSeparators(aside)));
}

void SqliteBrowsingMemory::tell(const QString& kind, const QString& text)
{
    if (m_told.contains(kind))
        return;
    m_told.insert(kind);
    // Told once the caller's work is done, over whichever window is in front then.
    QTimer::singleShot(0, this,
                       [this, text] { m_messages.show(QApplication::activeWindow(), text); });
}

bool SqliteBrowsingMemory::write(const std::function<bool(QSqlQuery&)>& writes)
{
    QSqlQuery query(database());
    if (query.exec(QStringLiteral("BEGIN IMMEDIATE")) && writes(query) &&
        query.exec(QStringLiteral("COMMIT")))
        return true;
    const QString reason = query.lastError().text();
    QSqlQuery(database()).exec(QStringLiteral("ROLLBACK"));
    tell(QStringLiteral("write"),
         tr("Brivola could not record its history, zoom or site permissions (%1). What it could "
            "not record is lost; browsing goes on.")
             .arg(reason));
    return false;
}

void SqliteBrowsingMemory::queue(const PendingWrite& pending)
{
    m_pending.append(pending);
    if (!m_batchTimer.isActive())
        m_batchTimer.start();
}

void SqliteBrowsingMemory::recordVisit(const QUrl& url, const QString& title)
{
    const QString address = HistoryIndex::storedAddress(url);
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const HistoryPage* known = m_index.page(address);
    HistoryPage page = known ? *known : HistoryPage{address, {}, 0, 0};
    page.visitCount += 1;
    page.lastVisit = now;
    if (!title.isEmpty())
        page.title = title;
    m_index.put(page);
    queue({address, title, now});
}

void SqliteBrowsingMemory::recordTitle(const QUrl& url, const QString& title)
{
    const QString address = HistoryIndex::storedAddress(url);
    const HistoryPage* known = m_index.page(address);
    if (!known || known->title == title)
        return;
    HistoryPage page = *known;
    page.title = title;
    m_index.put(page);
    queue({address, title, 0});
}

void SqliteBrowsingMemory::flush()
{
    m_batchTimer.stop();
    if (m_pending.isEmpty())
        return;
    const QList<PendingWrite> pending = std::exchange(m_pending, {});
    write([&pending](QSqlQuery& query) {
        for (const PendingWrite& each : pending) {
            const bool written =
                each.time == 0
                    ? run(query, QStringLiteral("UPDATE pages SET title = ? WHERE address = ?"),
                          {each.title, each.address})
                    : run(query,
                          QStringLiteral(
                              "INSERT INTO pages (address, title, visit_count, last_visit) "
                              "VALUES (?, ?, 1, ?) ON CONFLICT (address) DO UPDATE SET "
                              "visit_count = visit_count + 1, "
                              "last_visit = max(last_visit, excluded.last_visit), "
                              "title = CASE excluded.title WHEN '' THEN title "
                              "ELSE excluded.title END"),
                          {each.address, each.title, each.time}) &&
                          run(query,
                              QStringLiteral("INSERT INTO visits (page, time) "
                                             "SELECT id, ? FROM pages WHERE address = ?"),
                              {each.time, each.address});
            if (!written)
                return false;
        }
        return true;
    });
}

QList<HistoryPage> SqliteBrowsingMemory::completions(const QString& typed, int limit)
{
    catchUp();
    return m_index.completions(typed, limit);
}

QList<HistoryVisit> SqliteBrowsingMemory::visits(const QString& search)
{
    flush();
    QSqlQuery query(database());
    query.setForwardOnly(true);
    const QString pattern = likePattern(search);
    QList<HistoryVisit> found;
    if (!run(query,
             QStringLiteral("SELECT visits.id, address, title, time FROM visits "
                            "JOIN pages ON pages.id = visits.page "
                            "WHERE address LIKE ? ESCAPE '\\' OR title LIKE ? ESCAPE '\\' "
                            "ORDER BY time DESC, visits.id DESC LIMIT %1")
                 .arg(kVisitsShown),
             {pattern, pattern}))
        return found;
    while (query.next())
        found.append({query.value(0).toLongLong(), query.value(1).toString(),
                      query.value(2).toString(),
                      QDateTime::fromSecsSinceEpoch(query.value(3).toLongLong())});
    return found;
}

// A page keeps the count and time of the visits left; a page with none left goes.
void SqliteBrowsingMemory::removeVisits(const QList<qint64>& ids)
{
    flush();
    if (ids.isEmpty())
        return;
    QList<qint64> pageIds;
    QStringList addresses;
    write([&](QSqlQuery& query) {
        if (!query.exec(QStringLiteral("SELECT DISTINCT pages.id, address FROM visits JOIN pages "
                                       "ON pages.id = visits.page WHERE visits.id IN (%1)")
                            .arg(idList(ids))))
            return false;
        while (query.next()) {
            pageIds.append(query.value(0).toLongLong());
            addresses.append(query.value(1).toString());
        }
        const QString pages = idList(pageIds);
        return query.exec(QStringLiteral("DELETE FROM visits WHERE id IN (%1)").arg(idList(ids))) &&
               query.exec(QStringLiteral(
                              "UPDATE pages SET "
                              "visit_count = (SELECT count(*) FROM visits WHERE page = pages.id), "
                              "last_visit = coalesce((SELECT max(time) FROM visits "
                              "WHERE page = pages.id), 0) WHERE id IN (%1)")
                              .arg(pages)) &&
               query.exec(QStringLiteral("DELETE FROM pages WHERE visit_count = 0 AND id IN (%1)")
                              .arg(pages));
    });
    reloadPages(addresses);
}

void SqliteBrowsingMemory::reloadPages(const QStringList& addresses)
{
    QSqlQuery query(database());
    for (const QString& address : addresses) {
        m_index.remove(address);
        if (run(query,
                QStringLiteral(
                    "SELECT title, visit_count, last_visit FROM pages WHERE address = ?"),
                {address}) &&
            query.next())
            m_index.put({address, query.value(0).toString(), query.value(1).toInt(),
                         query.value(2).toLongLong()});
    }
}

void SqliteBrowsingMemory::clearHistory()
{
    m_batchTimer.stop();
    m_pending.clear();
    m_index.clear();
    write([](QSqlQuery& query) {
        return query.exec(QStringLiteral("DELETE FROM visits")) &&
               query.exec(QStringLiteral("DELETE FROM pages"));
    });
}

double SqliteBrowsingMemory::zoomFactor(const QString& host) const
{
    QSqlQuery query(database());
    if (run(query, QStringLiteral("SELECT factor FROM site_zoom WHERE host = ?"), {host}) &&
        query.next())
        return query.value(0).toDouble();
    return 1;
}

// The page as it is needs no entry.
void SqliteBrowsingMemory::setZoomFactor(const QString& host, double factor)
{
    if (host.isEmpty())
        return;
    write([&](QSqlQuery& query) {
        if (qFuzzyCompare(factor, 1.0))
            return run(query, QStringLiteral("DELETE FROM site_zoom WHERE host = ?"), {host});
        return run(query, QStringLiteral("INSERT OR REPLACE INTO site_zoom VALUES (?, ?)"),
                   {host, factor});
    });
}

std::optional<bool> SqliteBrowsingMemory::permission(const QString& origin,
                                                     const QString& feature) const
{
    QSqlQuery query(database());
    if (run(query,
            QStringLiteral("SELECT allowed FROM site_permissions WHERE origin = ? AND feature = ?"),
            {origin, feature}) &&
        query.next())
        return query.value(0).toBool();
    return std::nullopt;
}

void SqliteBrowsingMemory::rememberPermission(const SitePermission& permission)
{
    write([&](QSqlQuery& query) {
        return run(query,
                   QStringLiteral("INSERT OR REPLACE INTO site_permissions VALUES (?, ?, ?)"),
                   {permission.origin, permission.feature, int(permission.allowed)});
    });
}

void SqliteBrowsingMemory::forgetPermission(const QString& origin, const QString& feature)
{
    write([&](QSqlQuery& query) {
        return run(query,
                   QStringLiteral("DELETE FROM site_permissions WHERE origin = ? AND feature = ?"),
                   {origin, feature});
    });
}

QList<SitePermission> SqliteBrowsingMemory::permissions() const
{
    QSqlQuery query(database());
    QList<SitePermission> kept;
    if (!query.exec(QStringLiteral(
            "SELECT origin, feature, allowed FROM site_permissions ORDER BY origin, feature")))
        return kept;
    while (query.next())
        kept.append(
            {query.value(0).toString(), query.value(1).toString(), query.value(2).toBool()});
    return kept;
}
