// brivola-restrictions: the administrator's tool for the parental restriction list of
// Brivola's full-screen mode.

#include "admin/restrictions_tool.h"
#include "platform/real/qt_settings_store.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QtSettingsStore store;
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RestrictionsTool::run(QCoreApplication::arguments().mid(1), store, out, err);
}
