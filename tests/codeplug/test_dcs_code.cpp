#include "codeplug/dcs_code.h"
#include "codeplug/tone_tables.h"

#include <QtTest>

using namespace zr40;

namespace {

// The check bits of a (23,12) Golay word by long division of data * x^11 by the generator
// x^11 + x^10 + x^6 + x^5 + x^4 + x^2 + 1, written out bit by bit.
std::uint32_t GolayRemainder(std::uint32_t data) {
    const std::uint32_t generator =
        (1u << 11) | (1u << 10) | (1u << 6) | (1u << 5) | (1u << 4) | (1u << 2) | 1u;
    std::uint32_t remainder = data << 11;
    for (int bit = 22; bit >= 11; --bit)
        if (remainder & (1u << bit))
            remainder ^= generator << (bit - 11);
    return remainder;
}

std::uint32_t ExpectedWord(int code) {
    const std::uint32_t data = 0x800u | static_cast<std::uint32_t>(code);
    return data | (GolayRemainder(data) << 12);
}

} // namespace

class TestDcsCode : public QObject {
    Q_OBJECT

private slots:
    void everyCodeMatchesPolynomialDivision() {
        for (int code : kDcsCodes) {
            const std::uint32_t expected = ExpectedWord(code);
            QCOMPARE(DcsCodeWord(code, false), expected);
            QCOMPARE(DcsCodeWord(code, true), expected ^ 0x7FFFFFu);
            QVERIFY(DcsCodeWord(code, false) < (1u << 23));
        }
        QCOMPARE(DcsCodeWord(023, false), 0x763813u); // a word known from the air
        QCOMPARE(DcsCodeWord(023, true), 0x09C7ECu);
    }

    void parity() {
        QVERIFY(!DcsParity(0));
        QVERIFY(DcsParity(1));
        QVERIFY(DcsParity(0x400));
        QVERIFY(!DcsParity(0x20));        // bit 5 is not in the mask
        QVERIFY(!DcsParity(0x49F ^ 0x1)); // six bits set
    }
};

QTEST_GUILESS_MAIN(TestDcsCode)
#include "test_dcs_code.moc"
