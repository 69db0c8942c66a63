// Memory of the whole process tree (the program and the engine's processes), as proportional
// set size (PSS) from /proc: Brivola with one browser window, with 30 more, and after those 30
// closed again; and, for reference, a bare QWebEngineView on the same page. Run it through
// bench/windows/run.sh, which gives it a display and a fresh home.
//
// Usage: bench_windows brivola|bare PAGE

#include "core/internet_settings.h"
#include "core/shared_texts.h"
#include "platform/real/engine_setup.h"
#include "shell/app.h"
#include "shell/main_frame.h"
#include "shell/real_platform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRegularExpression>
#include <QTest>
#include <QWebEngineView>

#include <cstdio>

namespace {

constexpr int kWindows = 30;
constexpr int kSettleMs = 5000;

// The processes started, directly or not, by the given one, itself included.
QList<int> processTree(int root)
{
    QHash<int, QList<int>> children;
    for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
        bool isPid = false;
        const int pid = entry.toInt(&isPid);
        QFile stat("/proc/" + entry + "/stat");
        if (!isPid || !stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid ...": the name may hold spaces and parentheses.
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        children[fields.value(1).toInt()].append(pid);
    }
    QList<int> tree{root};
    for (qsizetype i = 0; i < tree.size(); ++i)
        tree.append(children.value(tree[i]));
    return tree;
}

double pssMegabytes()
{
    static const QRegularExpression pss(QStringLiteral("^Pss:\\s+(\\d+) kB"),
                                        QRegularExpression::MultilineOption);
    qint64 kilobytes = 0;
    for (const int pid : processTree(int(QCoreApplication::applicationPid()))) {
        QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
        if (rollup.open(QIODevice::ReadOnly))
            kilobytes += pss.match(QString::fromLatin1(rollup.readAll())).captured(1).toLongLong();
    }
    return kilobytes / 1024.0;
}

void settle()
{
    QTest::qWait(kSettleMs);
}

int bare(const QString& page)
{
    QWebEngineView view;
    view.resize(1024, 700);
    view.show();
    view.load(QUrl::fromLocalFile(page));
    settle();
    std::printf("bare view, one page: %.1f MB\n", pssMegabytes());
    return 0;
}

int brivola(const QString& page)
{
    PlatformServices services = realPlatform();
    services.settings->write(Texts::kProgramStore, InternetSettings::kSection,
                             InternetSettings::kHomePageKey, QUrl::fromLocalFile(page).toString());
    App app(std::move(services));
    MainFrame& frame = app.mainFrame();
    frame.showMaximized();
    settle();
    const double one = pssMegabytes();
    for (int i = 0; i < kWindows; ++i)
        frame.openNewBrowser();
    settle();
    const double opened = pssMegabytes();
    const QList<QMdiSubWindow*> windows = frame.mdiArea->subWindowList();
    for (QMdiSubWindow* window : windows.mid(1))
        window->close();
    settle();
    const double closed = pssMegabytes();
    std::printf("brivola, one window:            %.1f MB\n", one);
    std::printf("brivola, %d more windows:       %.1f MB\n", kWindows, opened);
    std::printf("brivola, those %d closed again: %.1f MB (%+.1f MB; target: within 60 MB)\n",
                kWindows, closed, closed - one);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3)
        return 2;
    EngineSetup::configure();
    QApplication application(argc, argv);
    EngineSetup::chooseCompositing();
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QString page = QString::fromLocal8Bit(argv[2]);
    return mode == QLatin1String("bare") ? bare(page) : brivola(page);
}
