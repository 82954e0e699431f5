#include "functions/option_texts.h"
#include "rules_support.h"

#include <QtTest>

using namespace zr40;
using namespace zr40::test;

class TestOptionTexts : public QObject {
    Q_OBJECT

private slots:
    // Each caption in both languages; each list as long in Chinese as in English, since the
    // stored values are list positions.
    void everyTextInBothLanguages() {
        const QStringList names = OptionTexts::CaptionedControls();
        QVERIFY(names.size() >= 40);
        for (const QString& name : names) {
            QVERIFY2(!OptionTexts::Caption(name, English()).isEmpty(), qPrintable(name));
            QVERIFY2(!OptionTexts::Caption(name, Chinese()).isEmpty(), qPrintable(name));
        }
        QVERIFY(OptionTexts::Caption("NoSuchControl", English()).isEmpty());
        for (const char* combo :
             {"ComboVoice", "ComboTOT", "ComboVoxLevel", "ComboVoxDelay", "ComboSave",
              "ComboKeyMethod", "ComboTOTWarning", "ComboSQ", "ComboCall", "ComboMicReduction",
              "ComboIdleTime", "ComboSleepPoint", "ComboAlarmMethod", "ComboKeyDefine"}) {
            const int count = OptionTexts::Items(combo, English()).size();
            QVERIFY2(count > 1, combo);
            QCOMPARE(OptionTexts::Items(combo, Chinese(',')).size(), count);
        }
        QCOMPARE(OptionTexts::Items("ComboVoxDelay", English(',')).at(9), "1,0");
    }
};

QTEST_APPLESS_MAIN(TestOptionTexts)
#include "test_option_texts.moc"
