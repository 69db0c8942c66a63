#pragma once

// The parent passphrase that guards leaving full-screen mode. Only its hash is stored: a salted,
// memory-hard one (Argon2id, libsodium's crypto_pwhash_str), which a child who can read the
// machine's settings cannot turn back into the passphrase.

#include <QString>

#include <chrono>

namespace Passphrase {

// The hash to store. Raises std::runtime_error when libsodium cannot make one (out of memory).
QString hashed(const QString& passphrase);

enum class Verdict { Right, Wrong, Damaged };

// Whether the passphrase is the one the hash was made of. A hash that is not one
// crypto_pwhash_str makes is damaged: nothing verifies against it.
Verdict check(const QString& hash, const QString& passphrase);
bool isDamaged(const QString& hash);

// How long the passphrase dialog waits before it takes another try after so many wrong ones in
// a row: none for the first few typing errors, then doubling up to a minute.
std::chrono::seconds pauseAfter(int misses);

} // namespace Passphrase
