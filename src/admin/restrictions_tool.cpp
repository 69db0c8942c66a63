#include "admin/restrictions_tool.h"

#include "core/errors.h"
#include "core/machine_settings.h"
#include "core/passphrase.h"
#include "core/restriction_list.h"
#include "core/settings_store.h"
#include "core/shared_texts.h"

#include <QCoreApplication>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <utility>

namespace RestrictionsTool {

namespace {

const QString kProgram = QStringLiteral("brivola-restrictions");

const QString kSystem = QStringLiteral("--system");

QString translated(const char* text)
{
    return QCoreApplication::translate("RestrictionsTool", text);
}

void printUsage(QTextStream& stream, const SettingsStore& user, const SettingsStore& system)
{
    //: %1 is the tool's name, %2 and %3 the files of the user's and the machine's lists. The
    //: commands, options, section and key names stay as they are.
    stream << translated(QT_TRANSLATE_NOOP(
                             "RestrictionsTool",
                             "Usage: %1 [--system] COMMAND\n"
                             "       %1 --system passphrase [--remove]\n"
                             "       %1 --system start-full-screen on|off\n"
                             "Keeps the parental restriction list of Brivola's full-screen mode: "
                             "a page whose\n"
                             "title holds one of its words or phrases, letter case ignored, is "
                             "refused there.\n"
                             "\n"
                             "Commands:\n"
                             "  list         print the list as the full-screen window reads it, "
                             "one entry a\n"
                             "               line (an empty entry, which refuses every page, as "
                             "an empty line)\n"
                             "  add WORD     add a word or phrase (put a phrase in quotes: add "
                             "\"bad word\")\n"
                             "  remove WORD  remove every entry equal to WORD, letter case "
                             "ignored\n"
                             "  clear        empty the list\n"
                             "\n"
                             "Machine settings (with --system only):\n"
                             "  passphrase   set the parent passphrase, which leaving full-screen "
                             "mode asks\n"
                             "               for (asked twice on a terminal, else two lines of "
                             "the input);\n"
                             "               only a salted Argon2id hash of it is stored\n"
                             "  passphrase --remove\n"
                             "               remove it: full-screen mode is left without one\n"
                             "  start-full-screen on|off\n"
                             "               whether the program opens straight into "
                             "full-screen mode\n"
                             "  --help       show this help\n"
                             "  --version    show the version\n"
                             "\n"
                             "Two lists are kept, and the full-screen window refuses what either "
                             "holds; it\n"
                             "reads them each time it opens. The user's own list is in\n"
                             "  %2\n"
                             "which the user, a child too, can change or delete. With --system "
                             "the command\n"
                             "works on the machine's list, which only an administrator can change "
                             "(run it as\n"
                             "root, for example with sudo), and which is out of a child's reach:\n"
                             "  %3\n"
                             "with the machine settings in section [Full Screen]. Every "
                             "\"*.list\" file in its\n"
                             "folder restrictions.d (one entry a line, UTF-8) adds to the "
                             "machine's list.\n"
                             "Both keep section [Restrictions]: \"Number\", then \"0\", \"1\", ... "
                             "Saving\n"
                             "rewrites those keys; other keys of the section are kept.\n"
                             "\n"
                             "Exit status: 0 done, 1 failed (word not in the list, list not saved "
                             "or not\n"
                             "readable, passphrases that differ), 2 wrong usage.\n"))
                  .arg(kProgram, user.location(Texts::kProgramStore),
                       system.location(Texts::kProgramStore));
}

int wrongUsage(QTextStream& err, const QString& problem)
{
    err << kProgram << ": " << problem << "\n"
        << translated(QT_TRANSLATE_NOOP("RestrictionsTool", "Try '%1 --help'.")).arg(kProgram)
        << "\n";
    return kWrongUsage;
}

// The list as stored, and the keys of its section.
struct StoredList {
    Restrictions::StoredKeys keys;
    QStringList entries;
};

StoredList readList(const SettingsStore& store)
{
    using namespace Restrictions;
    StoredList list;
    list.keys = store.keyValues(Texts::kProgramStore, kSection);
    list.entries =
        entriesOf(store.read(Texts::kProgramStore, kSection, kCountKey, kNoList), list.keys);
    return list;
}

// Writes the list's keys; the section's other keys stay as they were. When keys of the old list
// would be left beyond the new one, the section is cleared and written anew.
void writeList(SettingsStore& store, const QStringList& entries,
               const Restrictions::StoredKeys& stored)
{
    using namespace Restrictions;
    const bool leftOver = std::any_of(stored.begin(), stored.end(), [&](const auto& pair) {
        return isListKey(pair.first) && pair.first.compare(kCountKey, Qt::CaseInsensitive) != 0 &&
               pair.first.toLongLong() >= entries.size();
    });
    if (leftOver)
        store.deleteSection(Texts::kProgramStore, kSection);
    store.write(Texts::kProgramStore, kSection, kCountKey, QString::number(entries.size()));
    for (qsizetype i = 0; i < entries.size(); ++i)
        store.write(Texts::kProgramStore, kSection, entryKey(i), entries[i]);
    for (const auto& [key, value] : stored) {
        if (leftOver && !isListKey(key))
            store.write(Texts::kProgramStore, kSection, key, value);
    }
}

// Runs one command's reading, change and writing as one update of the store, so that commands
// run at the same time each see the others' changes.
int edit(SettingsStore& store, bool systemWide, QTextStream& err,
         const std::function<int()>& command)
{
    int status = kDone;
    try {
        store.update(Texts::kProgramStore, [&] { status = command(); });
    } catch (const StoreError& error) {
        err << kProgram << ": "
            << translated(QT_TRANSLATE_NOOP("RestrictionsTool", "could not save: %1"))
                   .arg(QString::fromUtf8(error.what()))
            << "\n";
        if (systemWide)
            err << translated(QT_TRANSLATE_NOOP("RestrictionsTool",
                                                "Only an administrator can change the machine's "
                                                "settings: run it as root."))
                << "\n";
        return kFailed;
    }
    return status;
}

int list(const SettingsStore& store, QTextStream& out)
{
    for (const QString& entry : Restrictions::read(store))
        out << entry << "\n";
    return kDone;
}

// The machine's list as the full-screen window reads it, list files included; one that cannot
// be read is a failure, as the window then refuses every page.
int listMachine(const MachineSettingsSource& machine, QTextStream& out, QTextStream& err)
{
    const MachineSettings settings = machine.read();
    if (!settings.problem.isEmpty()) {
        err << kProgram << ": "
            << translated(QT_TRANSLATE_NOOP("RestrictionsTool",
                                            "the machine's list could not be read: %1\n"
                                            "Full-screen mode refuses every page until it can."))
                   .arg(settings.problem)
            << "\n";
        return kFailed;
    }
    for (const QString& entry : settings.restrictions)
        out << entry << "\n";
    return kDone;
}

// The new passphrase, asked twice; none when the two differ or one is empty.
std::optional<QString> newPassphrase(const PassphraseReader& read, QTextStream& err)
{
    const std::optional<QString> first =
        read(translated(QT_TRANSLATE_NOOP("RestrictionsTool", "New parent passphrase: ")));
    const std::optional<QString> second =
        read(translated(QT_TRANSLATE_NOOP("RestrictionsTool", "The same again: ")));
    if (!first || !second || first->isEmpty()) {
        err << kProgram << ": "
            << translated(
                   QT_TRANSLATE_NOOP("RestrictionsTool", "no passphrase given; nothing changed"))
            << "\n";
        return std::nullopt;
    }
    if (*first != *second) {
        err << kProgram << ": "
            << translated(QT_TRANSLATE_NOOP("RestrictionsTool",
                                            "the two passphrases differ; nothing changed"))
            << "\n";
        return std::nullopt;
    }
    return first;
}

void writeMachineValue(SettingsStore& store, const QString& key, const QString& value)
{
    store.write(Texts::kProgramStore, MachineKeys::kSection, key, value);
}

int add(SettingsStore& store, const QString& word, QTextStream& out)
{
    StoredList list = readList(store);
    const QString folded = word.toCaseFolded();
    for (const QString& entry : list.entries) {
        if (entry.toCaseFolded() == folded) {
            out << translated(
                       QT_TRANSLATE_NOOP("RestrictionsTool", "\"%1\" is already in the list"))
                       .arg(entry)
                << "\n";
            return kDone;
        }
    }
    list.entries.append(word);
    writeList(store, list.entries, list.keys);
    return kDone;
}

int remove(SettingsStore& store, const QString& word, QTextStream& err)
{
    StoredList list = readList(store);
    const QString folded = word.toCaseFolded();
    const qsizetype removed = list.entries.removeIf(
        [&folded](const QString& entry) { return entry.toCaseFolded() == folded; });
    if (removed == 0) {
        err << kProgram << ": "
            << translated(QT_TRANSLATE_NOOP("RestrictionsTool", "\"%1\" is not in the list"))
                   .arg(word)
            << "\n";
        return kFailed;
    }
    writeList(store, list.entries, list.keys);
    return kDone;
}

} // namespace

// The machine's own settings: the passphrase and the start in full-screen mode.
int runMachineCommand(const QStringList& arguments, const Stores& stores, QTextStream& err)
{
    const QString& command = arguments.first();
    const QStringList operands = arguments.mid(1);
    if (command == QLatin1String("passphrase")) {
        if (operands.size() > 1 ||
            (operands.size() == 1 && operands[0] != QLatin1String("--remove")))
            return wrongUsage(
                err, translated(QT_TRANSLATE_NOOP("RestrictionsTool",
                                                  "'passphrase' takes nothing or --remove")));
        QString hash;
        if (operands.isEmpty()) {
            const std::optional<QString> passphrase = newPassphrase(stores.readPassphrase, err);
            if (!passphrase)
                return kFailed;
            try {
                hash = Passphrase::hashed(*passphrase);
            } catch (const std::runtime_error& error) {
                err << kProgram << ": " << QString::fromUtf8(error.what()) << "\n";
                return kFailed;
            }
        }
        return edit(stores.system, true, err, [&] {
            writeMachineValue(stores.system, MachineKeys::kPassphrase, hash);
            return int(kDone);
        });
    }
    if (operands.size() != 1 ||
        (operands[0] != MachineKeys::kOn && operands[0] != MachineKeys::kOff))
        return wrongUsage(err, translated(QT_TRANSLATE_NOOP(
                                   "RestrictionsTool", "'start-full-screen' takes on or off")));
    return edit(stores.system, true, err, [&] {
        writeMachineValue(stores.system, MachineKeys::kStart, operands[0]);
        return int(kDone);
    });
}

int run(const QStringList& given, const Stores& stores, QTextStream& out, QTextStream& err)
{
    const bool systemWide = !given.isEmpty() && given.first() == kSystem;
    const QStringList arguments = systemWide ? given.mid(1) : given;
    SettingsStore& store = systemWide ? stores.system : stores.user;
    if (arguments.isEmpty())
        return wrongUsage(err,
                          translated(QT_TRANSLATE_NOOP("RestrictionsTool", "no command given")));
    const QString& command = arguments.first();
    const qsizetype operands = arguments.size() - 1;
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        printUsage(out, stores.user, stores.system);
        return kDone;
    }
    if (command == QLatin1String("passphrase") || command == QLatin1String("start-full-screen")) {
        if (!systemWide)
            return wrongUsage(
                err, translated(QT_TRANSLATE_NOOP("RestrictionsTool",
                                                  "'%1' is a machine setting: use --system %1"))
                         .arg(command));
        return runMachineCommand(arguments, stores, err);
    }
    const bool takesWord = command == QLatin1String("add") || command == QLatin1String("remove");
    const bool takesNothing = command == QLatin1String("list") || command == QLatin1String("clear");
    if (!takesWord && !takesNothing)
        return wrongUsage(
            err,
            translated(QT_TRANSLATE_NOOP("RestrictionsTool", "unknown command '%1'")).arg(command));
    if (takesWord && operands != 1)
        return wrongUsage(
            err, translated(QT_TRANSLATE_NOOP("RestrictionsTool",
                                              "'%1' takes one word; put a phrase in quotes"))
                     .arg(command));
    if (takesNothing && operands != 0)
        return wrongUsage(
            err,
            translated(QT_TRANSLATE_NOOP("RestrictionsTool", "'%1' takes no word")).arg(command));

    if (command == QLatin1String("list"))
        return systemWide ? listMachine(stores.machine, out, err) : list(store, out);
    if (command == QLatin1String("add") && arguments[1].trimmed().isEmpty())
        return wrongUsage(err, translated(QT_TRANSLATE_NOOP(
                                   "RestrictionsTool", "an empty word would refuse every page; "
                                                       "give a word or phrase")));
    return edit(store, systemWide, err, [&] {
        if (command == QLatin1String("clear")) {
            writeList(store, {}, readList(store).keys);
            return int(kDone);
        }
        if (command == QLatin1String("add"))
            return add(store, arguments[1], out);
        return remove(store, arguments[1], err);
    });
}

} // namespace RestrictionsTool
