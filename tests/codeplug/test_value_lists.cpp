#include "codeplug/value_lists.h"

#include <QtTest>

using namespace zr40;

class TestValueLists : public QObject {
    Q_OBJECT

private slots:
    // Stored values are list positions, so every list must hold as many items in both languages
    // and with either decimal separator; fillers append to what is there.
    void sameItemsInEveryContext() {
        using Filler = void (*)(QStringList&, const TextContext&);
        const Filler fillers[] = {&ValueLists::FillToneList,
                                  &ValueLists::FillBusyLockList,
                                  &ValueLists::FillSpaceList,
                                  &ValueLists::FillCallTypeList,
                                  &ValueLists::FillPowerList,
                                  &ValueLists::FillChannelTypeList,
                                  &ValueLists::FillColorCodeList,
                                  &ValueLists::FillTotList,
                                  &ValueLists::FillScrambleList,
                                  &ValueLists::FillTxAuthorityList,
                                  [](QStringList& items, const TextContext& ctx) {
                                      ValueLists::FillOffNumberList(items, 10, ctx);
                                  }};
        for (const Filler fill : fillers) {
            QStringList english{QStringLiteral("keep")};
            fill(english, {true, QLatin1Char('.')});
            for (const TextContext& ctx :
                 {TextContext{false, QLatin1Char('.')}, TextContext{false, QLatin1Char(',')}}) {
                QStringList other{QStringLiteral("keep")};
                fill(other, ctx);
                QCOMPARE(other.size(), english.size());
                QCOMPARE(other.first(), QStringLiteral("keep"));
            }
        }
        QStringList tones;
        ValueLists::FillToneList(tones, {false, QLatin1Char(',')});
        QCOMPARE(tones.mid(0, 3), QStringList({QString::fromUtf8("无"), "67,0", "69,3"}));
    }
};

QTEST_GUILESS_MAIN(TestValueLists)
#include "test_value_lists.moc"
