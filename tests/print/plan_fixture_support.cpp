#include "plan_fixture_support.h"

#include "channels/channel_rules.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace zr40::test {

namespace {
const char kRxKey[] = "90817263545463";
const char kTxKey[] = "13572468097531246";
} // namespace

Codeplug FullPlan() {
    Codeplug cp;
    cp.ApplyStartupDefaults();
    cp.ApplyNewDefaults();
    cp.FileName = QStringLiteral("fleet.rdat");
    cp.BandLower = 400;
    cp.BandUpper = cp.BandUpperTx = 480;
    for (int c = 0; c < Codeplug::kChannels; ++c) {
        cp.ResetChannel(c);
        cp.RxFreq[c] = 400012500 + c * 1250000;
        cp.TxFreq[c] = cp.RxFreq[c] + 5000000;
        cp.RxColor[c] = ChannelRules::FrequencyColourCode(cp.RxFreq[c]);
        cp.TxColor[c] = ChannelRules::FrequencyColourCode(cp.TxFreq[c]);
        if (c % 2 == 0) {
            cp.RxCtcss[c] = 670 + c;
            cp.TxCtcss[c] = 670 + c;
            continue;
        }
        cp.ChannelType[c] = 2;
        cp.ChannelSpace[c] = 12500;
        cp.CallTypeTxID[c] = 0x800000 + c;
        cp.ChannelRxList[c] = c % 8;
        cp.RxKeyEnable[c] = cp.TxKeyEnable[c] = 1;
        const KeyEntry rx = ChannelRules::EnterKey(QString::fromLatin1(kRxKey));
        const KeyEntry tx = ChannelRules::EnterKey(QString::fromLatin1(kTxKey));
        cp.SetRxKeyWords(c, rx.words);
        cp.SetTxKeyWords(c, tx.words);
        cp.RxKeyLength[c] = rx.length;
        cp.TxKeyLength[c] = tx.length;
    }
    cp.RxListEntry[0] = 0x800001;
    cp.RxListEntry[1] = 0x80ABCD;
    cp.RxListEntry[2] = 5; // not a group ID: printed as empty
    cp.RxListEntry[7 * 8 + 7] = 0xFFFFFE;
    const QByteArray line1("CALL BASE 7");
    for (int k = 0; k < 64; ++k)
        cp.RadioImage[768 + k] = 0xFF;
    for (int k = 0; k < line1.size(); ++k)
        cp.RadioImage[768 + k] = static_cast<std::uint8_t>(line1[k]);
    cp.RadioImage[768 + 4] = 10; // a line feed is no character: "CALLBASE 7"
    cp.RadioImage[306] = 9;      // out of range: None
    cp.RadioImage[307] = 4;      // Alarm
    return cp;
}

QStringList KeyDigitRuns() {
    QStringList runs;
    for (const char* digits : {kRxKey, kTxKey}) {
        const QString key = QString::fromLatin1(digits);
        for (int i = 0; i + 6 <= key.size(); ++i)
            runs << key.mid(i, 6);
    }
    return runs;
}

QString RxText(int channel) {
    return ChannelRules::FrequencyText(400012500 + channel * 1250000, QLatin1Char('.'));
}

bool HavePdfToText() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QString PdfText(const QByteArray& pdf) {
    QTemporaryFile file;
    if (!file.open() || file.write(pdf) != pdf.size())
        return {};
    file.flush();
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {file.fileName(), QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace zr40::test
