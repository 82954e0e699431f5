// The codeplug's defaults and password block, the model band, the shared value lists, the DCS
// code words, the key filter, and the settings store.

#include "codeplug/codeplug.h"
#include "codeplug/dcs_code.h"
#include "codeplug/key_filter.h"
#include "codeplug/model_band.h"
#include "codeplug/settings_store.h"
#include "codeplug/tone_tables.h"
#include "codeplug/value_lists.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

using namespace zr40;

namespace {

Codeplug Startup() {
    Codeplug cp;
    cp.ApplyStartupDefaults();
    return cp;
}

// (recognised, lower, upper, transmit upper) of an image with this band digit and code.
std::tuple<bool, int, int, int> Analysed(char digit, int code) {
    Codeplug cp = Startup();
    cp.RadioImage[441] = std::uint8_t(digit);
    cp.RadioImage[445] = std::uint8_t(code);
    const bool recognised = ModelBand::AnalyseModel(cp);
    return {recognised, cp.BandLower, cp.BandUpper, cp.BandUpperTx};
}

} // namespace

// Settings tests work in a temporary configuration folder, never in the user's own settings.
class TestCodeplugBasics : public QObject {
    Q_OBJECT

    QTemporaryDir configHome;

private slots:
    void initTestCase() {
        QVERIFY(configHome.isValid());
        qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, configHome.path());
    }

    // Start-up fills channels 1-16 and tune points 1-10 only; New fills all of them and keeps
    // what is not radio data (band, model image, password block, file name, language).
    void startupVersusNew() {
        Codeplug cp;
        cp.TuneFreq[10] = 77;
        cp.ApplyStartupDefaults();
        QCOMPARE(std::tuple(cp.ChannelType[15], cp.ChannelType[16], cp.TuneFreq[10]),
                 std::tuple(1, 0, 77));
        cp.BandLower = 400;
        cp.RadioImage[441] = '3';
        cp.PasswordBlock[0] = '1';
        cp.FileName = QStringLiteral("x.rdat");
        cp.IsEnglish = true;
        cp.ApplyNewDefaults();
        QCOMPARE(cp.TuneFreq[10], 0);
        QCOMPARE(cp.ChannelType[31], 1);
        QCOMPARE(std::tuple(cp.BandLower, cp.RadioImage[441], cp.PasswordBlock[0], cp.FileName,
                            cp.IsEnglish),
                 std::tuple(400, '3', '1', QStringLiteral("x.rdat"), true));
    }

    void passwordBlockRoundTrip() {
        Codeplug cp;
        cp.ProgramPassword = QStringLiteral("1234");
        cp.PasswordBlockFlag = true;
        cp.SecondPassword = QStringLiteral("1234567");
        cp.SaveSoftwareData();
        QCOMPARE(std::tuple(cp.PasswordBlock[0], cp.PasswordBlock[4], cp.PasswordBlock[12]),
                 std::tuple('1', 0xFF, 'U'));
        Codeplug back;
        back.PasswordBlock = cp.PasswordBlock;
        back.AnalyseSoftwareData();
        QCOMPARE(std::tuple(back.ProgramPassword, back.SecondPassword, back.PasswordBlockFlag),
                 std::tuple(QStringLiteral("1234"), QStringLiteral("123456"), true));
    }

    // Limits -> image bytes -> limits for every band the radio knows, and images it does not.
    void everyBandBothWays() {
        // clang-format off
        const std::tuple<int, int, char, int> known[] = {
            {136, 174, '2', 1}, {134, 176, '2', 2}, {136, 150, '2', 3}, {150, 174, '2', 4},
            {450, 490, '3', 33}, {440, 480, '3', 51}, {400, 430, '3', 67}, {350, 370, '3', 83},
            {370, 390, '3', 99}, {400, 470, '3', 115}, {490, 512, '3', 131}, {400, 480, '3', 147}};
        const std::tuple<int, int, char, int> unknown[] = {
            {400, 480, '9', 147}, // another digit counts as UHF
            {100, 550, 0, 0}, {100, 550, '2', 147}, {100, 550, '3', 1}};
        // clang-format on
        for (const auto& [lower, upper, digit, code] : known) {
            QCOMPARE(ModelBand::CodeFromLimits(lower, upper),
                     std::pair(std::uint8_t(digit), std::uint8_t(code)));
            QCOMPARE(Analysed(digit, code), std::tuple(true, lower, upper, upper));
        }
        for (const auto& [lower, upper, digit, code] : unknown) {
            const auto [recognised, l, u, tx] = Analysed(digit, code);
            QCOMPARE(std::tuple(l, u, tx), std::tuple(lower, upper, upper));
        }
    }

    // The dialog's three bands written into the image: 200-260 has no code of its own and reads
    // back as 490-512. Model data of another size is copied as far as it goes, never beyond.
    void modelChanges() {
        const std::pair<int, int> analysed[] = {{136, 174}, {490, 512}, {400, 480}};
        const QStringList areas = ModelBand::AreaItems();
        QCOMPARE(areas.size(), 3);
        for (int area = 0; area < 3; ++area) {
            const auto limits = ModelBand::LimitsFromAreaText(areas.at(area));
            QVERIFY(limits.has_value());
            Codeplug cp = Startup();
            cp.BandLower = std::int16_t(limits->lower);
            cp.BandUpper = cp.BandUpperTx = std::int16_t(limits->upper);
            QCOMPARE(ModelBand::CurrentAreaIndex(cp), area); // the dialog proposes the band in use
            ModelBand::ApplyModelChange(cp, ModelBand::LoadModelData());
            QCOMPARE(std::pair(int(cp.RadioImage[440]), int(cp.RadioImage[447])),
                     std::pair(int('K'), 0xFF));
            ModelBand::AnalyseModel(cp);
            QCOMPARE(std::pair(int(cp.BandLower), int(cp.BandUpper)), analysed[area]);
        }
        QVERIFY(!ModelBand::LimitsFromAreaText(QStringLiteral("abc")).has_value());
        QCOMPARE(ModelBand::CurrentAreaIndex(Startup()), -1); // no band of the list: none proposed
        Codeplug cp;
        cp.RadioImage[600] = 9;
        cp.BandLower = 136;
        cp.BandUpper = cp.BandUpperTx = 174;
        ModelBand::ApplyModelChange(cp, QByteArray(10, '\x05'));
        QCOMPARE(std::pair(int(cp.RadioImage[9]), int(cp.RadioImage[600])), std::pair(5, 9));
        QVERIFY(ModelBand::SignatureMatches(cp, ModelBand::BuildSignature(0, 0)));
        cp.RadioImage[447] = 0;
        QVERIFY(!ModelBand::SignatureMatches(cp, ModelBand::BuildSignature(0, 0)));
        Codeplug big;
        big.RadioImage[1024] = 7;
        ModelBand::ApplyModelChange(big, QByteArray(2000, '\x01'));
        QCOMPARE(std::pair(int(big.RadioImage[1023]), int(big.RadioImage[1024])), std::pair(1, 7));
    }

    // Stored values are list positions, so every list must hold as many items in both languages
    // and with either decimal separator (the tone list: the channel rule tests); fillers append
    // to what is there.
    void sameListItemsInEveryContext() {
        using Filler = void (*)(QStringList&, const TextContext&);
        const Filler fillers[] = {&ValueLists::FillBusyLockList,
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
            QStringList chinese{QStringLiteral("keep")};
            fill(chinese, {false, QLatin1Char(',')});
            QCOMPARE(chinese.size(), english.size());
            QCOMPARE(chinese.first(), QStringLiteral("keep"));
        }
    }

    // Each code word against a (23,12) Golay encoding done by long division of data * x^11 by
    // x^11 + x^10 + x^6 + x^5 + x^4 + x^2 + 1, bit by bit.
    void everyDcsCodeMatchesPolynomialDivision() {
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

    // The key a box kind lets through (0 refuses it), given the text and selection before it.
    void keyFilter_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selection");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("expected");
        const QChar dot('.');
        const QChar comma(',');
        // clang-format off
        const std::tuple<const char*, int, QString, int, QChar, int, int> rows[] = {
            {"1 separator", 1, "462", 0, dot, '.', '.'},
            {"1 second separator", 1, "462.5", 0, dot, '.', 0},
            {"1 comma locale", 1, "462", 0, comma, ',', ','},
            {"1 dot in comma locale", 1, "462", 0, comma, '.', 0},
            {"1 letter", 1, "", 0, dot, 'a', 0},
            {"1 tenth char", 1, "462.50000", 0, dot, '1', 0},
            {"1 tenth char selected", 1, "462.50000", 2, dot, '1', '1'},
            {"1 backspace full", 1, "462.50000", 0, dot, 8, 8},
            {"4 fourth", 4, "123", 0, dot, '4', 0},
            {"5 zero", 5, "", 0, dot, '0', '0'},
            {"5 third", 5, "12", 0, dot, '3', 0},
            {"7 zero", 7, "", 0, dot, '0', 0},
            {"8 ninth", 8, "12345678", 0, dot, '0', 0},
            {"9 minus empty", 9, "", 0, dot, '-', '-'},
            {"9 minus with text", 9, "12", 0, dot, '-', 0},
            {"9 minus replacing", 9, "12", 2, dot, '-', '-'},
            {"9 zero", 9, "", 0, dot, '0', 0},
            {"10 32nd", 10, QString(31, '1'), 0, dot, '9', '9'},
            {"10 33rd", 10, QString(32, '1'), 0, dot, '9', 0},
            {"10 hex letter", 10, "", 0, dot, 'A', 0},
            {"11 lower a", 11, "", 0, dot, 'a', 'A'},
            {"11 G", 11, "", 0, dot, 'G', 0},
            {"11 seventh", 11, "ABCDEF", 0, dot, '1', 0},
            {"12 seventh", 12, "123456", 0, dot, '7', 0},
            {"13 zero", 13, "-1", 0, dot, '0', '0'},
            {"13 minus with text", 13, "10", 0, dot, '-', 0},
            {"13 ninth", 13, "-1000000", 0, dot, '0', 0},
            {"unknown kind", 3, "", 0, dot, '1', 0},
            {"unknown kind backspace", 3, "", 0, dot, 8, 8},
        };
        // clang-format on
        for (const auto& [name, kind, text, selection, separator, key, expected] : rows)
            QTest::newRow(name) << kind << text << selection << separator << key << expected;
    }
    void keyFilter() {
        QFETCH(int, kind);
        QFETCH(QString, text);
        QFETCH(int, selection);
        QFETCH(QChar, separator);
        QFETCH(int, key);
        QFETCH(int, expected);
        QCOMPARE(KeyFilter(text, selection, key, kind, separator), expected);
    }

    void settingsFirstRunThenWriteAndRead() {
        SettingsStore store;
        Codeplug cp;
        cp.IsEnglish = true;
        cp.ComPortNumber = 7;
        store.Load(cp);
        QVERIFY(!cp.IsEnglish); // nothing saved yet: Chinese, port 1
        QCOMPARE(cp.ComPortNumber, 1);
        QVERIFY(!store.ServiceMode());
        QVERIFY(store.WriteText(QStringLiteral("Language"), QStringLiteral("True")));
        QVERIFY(QFile::exists(configHome.filePath(QStringLiteral("NQ/ZR40.ini"))));
        // A number, a device name kept as it is, a COM name that also gives its number.
        const std::tuple<const char*, const char*, int> ports[] = {
            {"3", "", 3}, {"/dev/ttyUSB0", "/dev/ttyUSB0", 1}, {"COM4", "COM4", 4}};
        for (const auto& [saved, name, number] : ports) {
            QVERIFY(store.WriteText(QStringLiteral("ComPort"), QLatin1String(saved)));
            SettingsStore().Load(cp);
            QVERIFY(cp.IsEnglish);
            QCOMPARE(cp.ComPortNumber, number);
            if (*name)
                QCOMPARE(cp.ComPortName, QLatin1String(name));
        }
        // Only "True" is English; the port is the leading number; service is "True" or "1".
        // clang-format off
        for (const auto& [text, english, port, service] : {std::tuple{"true", false, 1, true},
             {"True ", false, 1, true}, {"", false, 1, false}, {"1", false, 1, true},
             {"yes", false, 1, false}, {"3abc", false, 3, false}, {"  5", false, 5, false},
             {"99999999999", false, 1, false}})
            // clang-format on
            QCOMPARE(std::tuple(SettingsStore::IsEnglishFrom(text),
                                SettingsStore::ComPortNumberFrom(text),
                                SettingsStore::ServiceModeFrom(text)),
                     std::tuple(english, port, service));
    }

    // The band last confirmed is the start-up band; a text that is no band counts as none, and
    // none leaves the start-up 100-550 MHz with BandNeverChosen set.
    void savedBand_data() {
        QTest::addColumn<QString>("saved");
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("upper");
        QTest::newRow("none") << "" << 100 << 550;
        QTest::newRow("uhf") << "400-480" << 400 << 480;
        QTest::newRow("blanks around") << " 136-174 " << 136 << 174;
        QTest::newRow("upside down") << "480-400" << 100 << 550;
        QTest::newRow("words") << "high" << 100 << 550;
    }
    void savedBand() {
        QFETCH(QString, saved);
        QFETCH(int, lower);
        QFETCH(int, upper);
        QVERIFY(SettingsStore().WriteText(QStringLiteral("Band"), saved));
        Codeplug cp;
        cp.ApplyStartupDefaults();
        SettingsStore().LoadBand(cp);
        QCOMPARE(std::tuple(int(cp.BandLower), int(cp.BandUpper), int(cp.BandUpperTx)),
                 std::tuple(lower, upper, upper));
        QCOMPARE(cp.BandNeverChosen, upper == 550);
        QVERIFY(SettingsStore().WriteBand({200, 260}));
        QCOMPARE(SettingsStore().ReadText(QStringLiteral("Band")), QStringLiteral("200-260"));
    }

    void unwritableSettingsReportFailure() {
        if (geteuid() == 0)
            QSKIP("permissions do not bind the superuser");
        const QString folder = configHome.filePath(QStringLiteral("NQ"));
        QDir().mkpath(folder);
        QFile::remove(configHome.filePath(QStringLiteral("NQ/ZR40.ini")));
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const bool written =
            SettingsStore().WriteText(QStringLiteral("Language"), QStringLiteral("True"));
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
        QVERIFY(!written);
    }
};

QTEST_GUILESS_MAIN(TestCodeplugBasics)
#include "test_codeplug_basics.moc"
