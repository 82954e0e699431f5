#include "codeplug_fingerprint.h"

#include "codeplug/radio_data_file.h"

namespace zr40::fuzz {

QByteArray Fingerprint(const Codeplug& c) {
    QByteArray bytes = RadioDataFile::Serialize(c);
    bytes.append(reinterpret_cast<const char*>(c.RadioImage.data()), c.RadioImage.size());
    bytes.append(reinterpret_cast<const char*>(c.PasswordBlock.data()), c.PasswordBlock.size());
    for (std::int16_t v : {c.BandLower, c.BandUpper, c.BandUpperTx})
        bytes.append(reinterpret_cast<const char*>(&v), sizeof v);
    for (bool flag : {c.LinkSucceeded, c.PasswordRejected, c.ChannelDataChanged})
        bytes.append(flag ? '1' : '0');
    return bytes;
}

Codeplug MarkedCodeplug() {
    Codeplug c;
    c.ApplyStartupDefaults();
    c.ResetApplicationState();
    c.ApplyNewDefaults();
    c.LocalID = 0x812345;
    c.RadioImage[441] = 0x93;
    c.PasswordBlock[3] = 7;
    for (int n = 0; n < Codeplug::kChannels; ++n) {
        c.RxFreq[n] = 400012500 + 12500 * n;
        c.TxFreq[n] = 410012500 + 12500 * n;
        c.CallTypeTxID[n] = 0x800000 + n;
    }
    return c;
}

} // namespace zr40::fuzz
