#include "codeplug/dcs_code.h"
#include "codeplug/tone_tables.h"

#include <QtTest>

using namespace zr40;

class TestDcsCode : public QObject {
    Q_OBJECT

private slots:
    // Each code word against a (23,12) Golay encoding done by long division of data * x^11 by
    // x^11 + x^10 + x^6 + x^5 + x^4 + x^2 + 1, bit by bit.
    void everyCodeMatchesPolynomialDivision() {
        const std::uint32_t generator = 0xC75;
        for (int code : kDcsCodes) {
            const std::uint32_t data = 0x800u | static_cast<std::uint32_t>(code);
            std::uint32_t remainder = data << 11;
            for (int bit = 22; bit >= 11; --bit)
                if (remainder & (1u << bit))
                    remainder ^= generator << (bit - 11);
            const std::uint32_t expected = data | (remainder << 12);
            QCOMPARE(DcsCodeWord(code, false), expected);
            QCOMPARE(DcsCodeWord(code, true), expected ^ 0x7FFFFFu);
        }
        QCOMPARE(DcsCodeWord(023, false), 0x763813u); // a word known from the air
    }
};

QTEST_GUILESS_MAIN(TestDcsCode)
#include "test_dcs_code.moc"
