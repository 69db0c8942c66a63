#include "core/machine_settings.h"

#include "core/restriction_list.h"
#include "core/settings_store.h"
#include "core/shared_texts.h"

#include <QCoreApplication>

MachineSettings machineSettingsOf(const SettingsStore& store, const QString& storeProblem,
                                  const QList<ListFile>& lists)
{
    using namespace MachineKeys;
    MachineSettings settings;
    settings.problem = storeProblem;
    settings.fileRead = storeProblem.isEmpty();
    settings.restrictions = Restrictions::read(store);
    settings.passphraseHash = store.read(Texts::kProgramStore, kSection, kPassphrase, {});
    const QString start = store.read(Texts::kProgramStore, kSection, kStart, kOff);
    settings.startFullScreen = start.compare(kOn, Qt::CaseInsensitive) == 0;
    if (!settings.startFullScreen && start.compare(kOff, Qt::CaseInsensitive) != 0 &&
        settings.problem.isEmpty()) {
        settings.fileRead = false;
        //: %1 is the file, [%2] the section, %3 the key, %4 its value, %5 and %6 the two
        //: values it may hold; all as stored.
        settings.problem = QCoreApplication::translate("MachineSettings",
                                                       "%1: [%2] %3 is \"%4\", neither %5 nor %6")
                               .arg(store.location(Texts::kProgramStore), kSection, kStart,
                                    start.left(100), kOn, kOff);
    }
    for (const ListFile& list : lists) {
        const std::optional<QStringList> entries =
            list.bytes ? Restrictions::entriesOfListFile(*list.bytes) : std::nullopt;
        if (entries)
            settings.restrictions += *entries;
        else if (settings.problem.isEmpty())
            settings.problem =
                list.bytes ? QCoreApplication::translate("MachineSettings", "%1 is not UTF-8 text")
                                 .arg(list.path)
                           : list.error;
    }
    return settings;
}
