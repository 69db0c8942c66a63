#include "core/leading_number.h"
#include "platform/real/ini_document.h"
#include "support/test_main.h"

#include <QRandomGenerator>
#include <QRegularExpression>

#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace {

constexpr int kInputs = 100000;

class Generator {
public:
    explicit Generator(quint32 seed) : m_random(seed) {}
    int below(int bound) { return int(m_random.bounded(bound)); }
    bool chance(int percent) { return below(100) < percent; }
    // Characters of the alphabet; an alphabet with a NUL in it is given with its size.
    QByteArray from(QByteArrayView alphabet, int count)
    {
        QByteArray text;
        for (int i = 0; i < count; ++i)
            text += alphabet[below(int(alphabet.size()))];
        return text;
    }
    template <class T, std::size_t n> const T& pick(const T (&choices)[n])
    {
        return choices[below(int(n))];
    }

private:
    QRandomGenerator m_random;
};

// A decimal number in the forms leadingNumber reads, blanks strewn in and something after it.
QString plainNumber(Generator& random)
{
    static const char* kSigns[] = {"", "", "+", "-"};
    static const char* kExponents[] = {"", "", "e", "E", "d", "D-", "e+"};
    QByteArray text = kSigns[random.below(4)] +
                      random.from("0123456789", random.chance(2) ? 400 : random.below(12));
    if (random.chance(40))
        text += "." + random.from("0123456789", random.below(8));
    if (const QByteArray exponent = random.pick(kExponents); !exponent.isEmpty())
        text += exponent + (random.chance(10) ? QByteArray("99999")
                                              : random.from("0123456789", random.below(5)));
    text += random.from("x.e+-,1 \r&", random.below(3));
    for (int blanks = random.below(4); blanks > 0; --blanks)
        text.insert(random.below(int(text.size()) + 1), random.from(" \t\n", 1));
    return QString::fromLatin1(text);
}

// Units of every kind: digits of other scripts, NUL, halves of surrogate pairs, &H and &O.
QString anyUnits(Generator& random)
{
    static const char16_t kUnits[] = {u'0', u'9', u'.', u'e',  u'D',  u'+', u'-',   u'&',   u'H',
                                      u'o', u'F', u' ', u'\n', u'\r', 0,    0x0663, 0xFF11, 0xD800};
    if (random.chance(20)) // 30 digits, or nearly
        return QString::fromLatin1(random.pick({"&H", "&h", "&O", "&o"}) +
                                   random.from("0123456789abcdefABCDEF g", 30));
    if (random.chance(10)) // invalid UTF-8, read as the program reads files
        return QString::fromUtf8(random.from("12.e&H\x80\xc3\xff\xed", 20));
    QString text;
    for (int i = random.below(40); i > 0; --i)
        text +=
            random.chance(90) ? QChar(random.pick(kUnits)) : QChar(char16_t(random.below(0x10000)));
    return text;
}

// The reference for plain decimal numbers: the longest one at the start, blanks left out, as
// the C library reads it; and whether it is the whole text.
std::pair<double, bool> reference(const QString& text)
{
    static const QRegularExpression kDecimal(R"(^[+-]?(\d+\.?\d*|\.\d+)([eEdD][+-]?\d+)?)");
    static const locale_t kC = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    const QString compact = QString(text).remove(QRegularExpression("[ \t\n]"));
    const QRegularExpressionMatch match = kDecimal.match(compact);
    if (!match.hasMatch())
        return {0.0, false};
    const QByteArray number = match.captured().toLatin1().replace('d', 'e').replace('D', 'e');
    return {strtod_l(number.constData(), nullptr, kC), match.capturedLength() == compact.size()};
}

// Lines much like those of settings files, spelled by hand or by QSettings, and broken.
QByteArray settingsFile(Generator& random)
{
    static const char* kNames[] = {"a", "A",  "%41", "b c",      "General", "general", "%General",
                                   "0", "0A", "k\\", "\xc3\x84", "x%U00C4", ""};
    static const char* kLines[] = {"[", "]", "=", " = ", "; note", "# note", "junk", "\n", "\r"};
    // Pieces of values, "|" between them.
    static const QByteArrayList kPieces =
        QByteArray("plain| |,|;|=|\"|\\|\\x41|\\0|\\n|@|@Variant(\\0\\0\\0\\x2|@DateTime(|"
                   "@ByteArray(|@String(|)|\xff|\xc3\xa9|\xed\xa0\x80|#")
            .split('|');
    if (random.chance(5))
        return random.from(QByteArrayView("\0\n\r[]=\";\\,%@ab\x80\xff", 16), random.below(300));
    QByteArray file;
    for (int lines = random.below(12); lines > 0; --lines) {
        file += random.pick(kLines) + QByteArray(random.pick(kNames)) + random.pick(kLines);
        for (int pieces = random.below(6); pieces > 0; --pieces)
            file += kPieces[random.below(int(kPieces.size()))];
        file += random.chance(70) ? "\n" : "\r\n";
    }
    return file;
}

// What a document reads under the names the files above use.
QStringList readings(const IniDocument& document)
{
    QStringList seen;
    for (const char* section : {"a", "b c", "General", "", "0", "\u00e4"}) {
        for (const auto& [key, value] : document.keyValues(section))
            seen << section + ('|' + key) + '=' + value;
        for (const char* key : {"a", "0", "0A", "k/"})
            seen << document.value(section, key).value_or("(none)");
    }
    return seen;
}

} // namespace

class TestFuzz : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        bool given = false;
        if (const quint32 seed = qEnvironmentVariable("BRIVOLA_FUZZ_SEED").toUInt(&given); given)
            m_seed = seed;
        qInfo("fuzzing with seed %u (BRIVOLA_FUZZ_SEED sets another)", m_seed);
    }

    void leadingNumberAgreesWithTheReference()
    {
        Generator random(m_seed);
        for (int i = 0; i < kInputs; ++i) {
            const bool huge = i % 1000 == 0;
            const bool plain = huge || random.chance(50);
            const QString text = huge    ? QString(100000 + random.below(1000), u'7')
                                 : plain ? plainNumber(random)
                                         : anyUnits(random);
            const double value = leadingNumber(text);
            const bool whole = isNumberOnly(text);
            QVERIFY2(!std::isnan(value), qPrintable(text));
            if (whole) // a number read whole stays the number whatever follows it
                QCOMPARE(leadingNumber(text + QStringLiteral("z")), value);
            const auto expected = huge ? std::pair(qInf(), true) : reference(text);
            QVERIFY2(!plain || std::pair(value, whole) == expected,
                     qPrintable(QStringLiteral("\"%1\": read %2, the reference %3")
                                    .arg(text)
                                    .arg(value, 0, 'g', 17)
                                    .arg(expected.first, 0, 'g', 17)));
        }
    }

    // Whatever a file holds, it reads without failing, its rewriting is sound and reads the same,
    // and rewriting that changes nothing.
    void settingsFilesReadAndRewriteStably()
    {
        Generator random(m_seed);
        for (int i = 0; i < kInputs / 5; ++i) {
            const QByteArray file = settingsFile(random);
            IniDocument document(file);
            const QStringList before = readings(document);
            const QByteArray rewritten = document.rewritten();
            IniDocument reread(rewritten);
            const QByteArray context =
                "input " + QByteArray::number(i) + ": " + file.toPercentEncoding();
            QVERIFY2(reread.damage().isEmpty(), context + " -> " + reread.damage().toUtf8());
            QVERIFY2(readings(reread) == before, context);
            QVERIFY2(reread.rewritten() == rewritten, context);
        }
    }

private:
    quint32 m_seed = 19980419;
};

BRIVOLA_TEST_MAIN(TestFuzz)
#include "tst_fuzz.moc"
