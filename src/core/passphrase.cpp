#include "core/passphrase.h"

#include <QByteArrayList>
#include <QCoreApplication>

#include <algorithm>
#include <sodium.h>
#include <stdexcept>

namespace Passphrase {

namespace {

// Interactive limits: about a tenth of a second and 64 MiB for each try, also on the machine of a
// child who guesses.
constexpr auto kOperations = crypto_pwhash_OPSLIMIT_INTERACTIVE;
constexpr auto kMemory = crypto_pwhash_MEMLIMIT_INTERACTIVE;
constexpr int kFreeMisses = 3;
constexpr std::chrono::seconds kLongestPause(60);

// Typed on one keyboard or another, the same passphrase is the same bytes.
QByteArray bytesOf(const QString& passphrase)
{
    return passphrase.normalized(QString::NormalizationForm_C).toUtf8();
}

// The reason in the user's language, for the administrator's tool to print.
[[noreturn]] void fail(const char* reason)
{
    throw std::runtime_error(QCoreApplication::translate("Passphrase", reason).toStdString());
}

void initialise()
{
    if (sodium_init() < 0)
        fail(QT_TRANSLATE_NOOP("Passphrase", "libsodium could not be initialised"));
}

} // namespace

QString hashed(const QString& passphrase)
{
    initialise();
    const QByteArray bytes = bytesOf(passphrase);
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hash, bytes.constData(), static_cast<unsigned long long>(bytes.size()),
                          kOperations, kMemory) != 0)
        fail(QT_TRANSLATE_NOOP("Passphrase", "out of memory while hashing the passphrase"));
    return QString::fromLatin1(hash);
}

bool isDamaged(const QString& hash)
{
    initialise();
    const QByteArray text = hash.toLatin1();
    // Another algorithm's hash, or no hash at all, is not what this program stores: its salt and
    // hash are 16 and 32 bytes in unpadded Base64, which newer libsodium no longer checks here.
    const QList<QByteArray> fields = text.split('$');
    return hash.size() >= crypto_pwhash_STRBYTES || !text.startsWith(crypto_pwhash_STRPREFIX) ||
           fields.size() != 6 || fields[4].size() != 22 || fields[5].size() != 43 ||
           crypto_pwhash_str_needs_rehash(text.constData(), kOperations, kMemory) < 0;
}

Verdict check(const QString& hash, const QString& passphrase)
{
    if (isDamaged(hash))
        return Verdict::Damaged;
    const QByteArray bytes = bytesOf(passphrase);
    return crypto_pwhash_str_verify(hash.toLatin1().constData(), bytes.constData(),
                                    static_cast<unsigned long long>(bytes.size())) == 0
               ? Verdict::Right
               : Verdict::Wrong;
}

std::chrono::seconds pauseAfter(int misses)
{
    if (misses < kFreeMisses)
        return std::chrono::seconds(0);
    const int doublings = std::min(misses - kFreeMisses, 6);
    return std::min(std::chrono::seconds(1 << doublings), kLongestPause);
}

} // namespace Passphrase
