#include "admin/restrictions_tool.h"

#include "core/restriction_list.h"
#include "core/shared_texts.h"
#include "platform/real/qt_settings_store.h"

#include <QTextStream>

#include <utility>

namespace RestrictionsTool {

namespace {

const QString kProgram = QStringLiteral("brivola-restrictions");

void printUsage(QTextStream& stream, const QtSettingsStore& store)
{
    stream << "Usage: " << kProgram << " COMMAND\n"
           << "Keeps the parental restriction list of Brivola's full-screen mode: a page whose\n"
              "title holds one of its words or phrases, letter case ignored, is refused there.\n"
              "\n"
              "Commands:\n"
              "  list         print the list as the full-screen window reads it, one entry a\n"
              "               line (an empty entry, which refuses every page, as an empty line)\n"
              "  add WORD     add a word or phrase (put a phrase in quotes: add \"bad word\")\n"
              "  remove WORD  remove every entry equal to WORD, letter case ignored\n"
              "  clear        empty the list\n"
              "  --help       show this help\n"
              "\n"
              "The list is kept in "
           << store.location(Texts::kProgramStore)
           << ",\nsection [Restrictions]: \"Number\", then \"0\", \"1\", ... Saving rewrites "
              "those keys;\nother keys of the section are kept. The full-screen window reads "
              "the list each\ntime it opens.\n"
              "\n"
              "Exit status: 0 done, 1 failed (word not in the list, list not saved),\n"
              "2 wrong usage.\n";
}

int wrongUsage(QTextStream& err, const QString& problem)
{
    err << kProgram << ": " << problem << "\nTry '" << kProgram << " --help'.\n";
    return kWrongUsage;
}

bool sameEntry(const QString& a, const QString& b)
{
    return a.toCaseFolded() == b.toCaseFolded();
}

// Rewrites the list's keys; the section's other keys stay as they were.
void writeList(QtSettingsStore& store, const QStringList& entries)
{
    using namespace Restrictions;
    const QList<std::pair<QString, QString>> stored =
        store.keyValues(Texts::kProgramStore, kSection);
    if (!stored.isEmpty())
        store.deleteSection(Texts::kProgramStore, kSection);
    store.write(Texts::kProgramStore, kSection, kCountKey, QString::number(entries.size()));
    for (qsizetype i = 0; i < entries.size(); ++i)
        store.write(Texts::kProgramStore, kSection, entryKey(i), entries[i]);
    for (const auto& [key, value] : stored) {
        if (!isListKey(key))
            store.write(Texts::kProgramStore, kSection, key, value);
    }
}

int save(QtSettingsStore& store, QTextStream& err)
{
    if (store.flush())
        return kDone;
    err << kProgram << ": could not save the list to " << store.location(Texts::kProgramStore)
        << "\n";
    return kFailed;
}

int list(const QtSettingsStore& store, QTextStream& out)
{
    for (const QString& entry : Restrictions::read(store))
        out << entry << "\n";
    return kDone;
}

int add(QtSettingsStore& store, const QString& word, QTextStream& out, QTextStream& err)
{
    if (word.trimmed().isEmpty())
        return wrongUsage(err, QStringLiteral("an empty word would refuse every page; "
                                              "give a word or phrase"));
    QStringList entries = Restrictions::read(store);
    for (const QString& entry : entries) {
        if (sameEntry(entry, word)) {
            out << "\"" << entry << "\" is already in the list\n";
            return kDone;
        }
    }
    entries.append(word);
    writeList(store, entries);
    return save(store, err);
}

int remove(QtSettingsStore& store, const QString& word, QTextStream& err)
{
    QStringList entries = Restrictions::read(store);
    const qsizetype removed =
        entries.removeIf([&word](const QString& entry) { return sameEntry(entry, word); });
    if (removed == 0) {
        err << kProgram << ": \"" << word << "\" is not in the list\n";
        return kFailed;
    }
    writeList(store, entries);
    return save(store, err);
}

int clear(QtSettingsStore& store, QTextStream& err)
{
    writeList(store, {});
    return save(store, err);
}

} // namespace

int run(const QStringList& arguments, QtSettingsStore& store, QTextStream& out, QTextStream& err)
{
    if (arguments.isEmpty())
        return wrongUsage(err, QStringLiteral("no command given"));
    const QString& command = arguments.first();
    const qsizetype operands = arguments.size() - 1;
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        printUsage(out, store);
        return kDone;
    }
    const bool takesWord = command == QLatin1String("add") || command == QLatin1String("remove");
    const bool takesNothing = command == QLatin1String("list") || command == QLatin1String("clear");
    if (!takesWord && !takesNothing)
        return wrongUsage(err, QStringLiteral("unknown command '%1'").arg(command));
    if (takesWord && operands != 1)
        return wrongUsage(
            err, QStringLiteral("'%1' takes one word; put a phrase in quotes").arg(command));
    if (takesNothing && operands != 0)
        return wrongUsage(err, QStringLiteral("'%1' takes no word").arg(command));

    if (command == QLatin1String("list"))
        return list(store, out);
    if (command == QLatin1String("clear"))
        return clear(store, err);
    if (command == QLatin1String("add"))
        return add(store, arguments[1], out, err);
    return remove(store, arguments[1], err);
}

} // namespace RestrictionsTool
