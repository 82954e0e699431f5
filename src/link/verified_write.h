#pragma once

#include "codeplug/codeplug.h"
#include "link/link_action.h"
#include "link/transfer_engine.h"

#include <QStringList>
#include <functional>
#include <vector>

namespace zr40 {

// What reading a radio back after a write found.
struct WriteVerification {
    enum class State {
        NotRun,      // no check: not asked for, or the write did not complete
        Verified,    // every value written reads back as it was sent
        Differences, // `differences` lists what reads back otherwise
        ReadFailed,  // the write completed, the read-back did not: `readResult` says why
    };
    State state = State::NotRun;
    QStringList differences;
    LinkResult readResult;
};

// A write followed, on the same open port, by a read of the same radio and a comparison of every
// value written with the values as they were sent (SentValues::Expected). It is a link machine
// like TransferEngine, fed the same events and giving the same actions; the read-back's actions
// follow the write's without a Finished between them, and the one Finished at the end carries the
// write's result. Verification() tells what the read-back found.
//
// The read-back uses the password the write left in the radio: the one entered, or the new one
// when the write changed it. The radio's own password is compared too.
class VerifiedWrite {
public:
    // Lines naming every value that differs between the radio as the write leaves it and as
    // it reads back; none when they are the same. The review core's diff in the programs.
    using Compare = std::function<QStringList(const Codeplug& expected, const Codeplug& readBack)>;

    // Without a comparison of its own the sent values are compared (SentValues::Differences).
    explicit VerifiedWrite(bool english, Compare compare = {});

    void SetEnglish(bool english);
    void SetCompare(Compare compare) { compare_ = std::move(compare); }

    // Starts writing `plan` (without `verify`, a write alone). The host has opened the port.
    // False while running, or for a new password the engine refuses.
    bool Start(const Codeplug& plan, const QString& password,
               const NewPasswordChoice& newPassword = {}, bool verify = true);

    // Events from the host, as for TransferEngine.
    void BytesReceived(const QByteArray& bytes);
    void TimerFired();
    void AnswerRetry(bool retry);
    void PortLost(const QString& reason);
    void Cancel();

    std::vector<LinkAction> TakeActions();

    bool Running() const { return writer_.Running() || reader_.Running(); }
    bool Verifying() const { return verifying_; }
    bool RetryQuestionOpen() const;

    const WriteVerification& Verification() const { return verification_; }
    // The radio as the write leaves it, values as sent, and the radio as it read back.
    const Codeplug& Expected() const { return expected_; }
    const Codeplug& ReadBack() const { return readBack_; }
    // The password the radio held before the write.
    Long RadioPassword() const { return writer_.RadioPassword(); }
    // The write's own engine (how far it got) and the plan it wrote, the radio's header in it.
    const TransferEngine& WriteEngine() const { return writer_; }
    const Codeplug& Sent() const { return sent_; }

    // What a write that read back the same says: "Verified".
    static QString VerifiedText(bool english);
    // What the programs say before the list of values that read back otherwise, and when the
    // radio could not be read back after a complete write.
    static QString DifferencesText(bool english);
    static QString ReadBackFailedText(bool english);

private:
    TransferEngine& Active() { return verifying_ ? reader_ : writer_; }
    void Collect();
    void OnWriteFinished(const LinkResult& result);
    void OnReadFinished(const LinkResult& result);
    Long PasswordAfterWrite() const;
    QString ReadPassword() const;

    bool english_;
    Compare compare_;
    Codeplug sent_;
    Codeplug expected_;
    Codeplug readBack_;
    TransferEngine writer_{sent_, true};
    TransferEngine reader_{readBack_, true};
    std::vector<LinkAction> actions_;
    bool verify_ = true;
    bool verifying_ = false;
    QString password_;
    NewPasswordChoice newPassword_;
    LinkResult writeResult_;
    WriteVerification verification_;
};

} // namespace zr40
