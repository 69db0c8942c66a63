// The reference for start-up: a bare QWebEngineView that shows one page. Prints the wall-clock
// time (milliseconds since the epoch) at which the page and all its resources had loaded.
//
// Usage: bench_bare_view ADDRESS

#include "platform/real/engine_setup.h"

#include <QApplication>
#include <QDateTime>
#include <QWebEngineView>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2)
        return 2;
    EngineSetup::configure();
    QApplication application(argc, argv);
    EngineSetup::chooseCompositing();
    QWebEngineView view;
    view.resize(1024, 700);
    view.show();
    QObject::connect(&view, &QWebEngineView::loadFinished, [](bool) {
        std::printf("loaded at epoch %lld\n", QDateTime::currentMSecsSinceEpoch());
        QApplication::quit();
    });
    view.load(QUrl::fromUserInput(QString::fromLocal8Bit(argv[1])));
    return QApplication::exec();
}
