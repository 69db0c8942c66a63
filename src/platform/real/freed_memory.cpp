#include "platform/real/freed_memory.h"

#include <QCoreApplication>
#include <QTimer>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace FreedMemory {

namespace {

// The engine lets go of a closed page's memory within about this long.
constexpr int kAfterClosingMs = 3000;

void handBack()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace

void handBackSoon()
{
    static QTimer* timer = [] {
        auto* single = new QTimer(QCoreApplication::instance());
        single->setSingleShot(true);
        single->setInterval(kAfterClosingMs);
        QObject::connect(single, &QTimer::timeout, &handBack);
        return single;
    }();
    timer->start(); // again after every page closed, so that it runs once they all are
}

} // namespace FreedMemory
