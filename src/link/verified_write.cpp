#include "link/verified_write.h"

#include "link/sent_values.h"

#include <utility>

namespace zr40 {

VerifiedWrite::VerifiedWrite(bool english, Compare compare)
    : english_(english), compare_(std::move(compare)) {
    SetEnglish(english);
}

void VerifiedWrite::SetEnglish(bool english) {
    english_ = english;
    writer_.SetEnglish(english);
    reader_.SetEnglish(english);
}

bool VerifiedWrite::Start(const Codeplug& plan, const QString& password,
                          const NewPasswordChoice& newPassword, bool verify) {
    if (Running())
        return false;
    sent_ = plan;
    verify_ = verify;
    verifying_ = false;
    password_ = password;
    newPassword_ = newPassword;
    writeResult_ = {};
    verification_ = {};
    if (!writer_.StartWrite(password, newPassword))
        return false;
    Collect();
    return true;
}

void VerifiedWrite::BytesReceived(const QByteArray& bytes) {
    Active().BytesReceived(bytes);
    Collect();
}

void VerifiedWrite::TimerFired() {
    Active().TimerFired();
    Collect();
}

void VerifiedWrite::AnswerRetry(bool retry) {
    Active().AnswerRetry(retry);
    Collect();
}

void VerifiedWrite::PortLost(const QString& reason) {
    Active().PortLost(reason);
    Collect();
}

void VerifiedWrite::Cancel() {
    Active().Cancel();
    Collect();
}

bool VerifiedWrite::RetryQuestionOpen() const {
    return writer_.RetryQuestionOpen() || reader_.RetryQuestionOpen();
}

std::vector<LinkAction> VerifiedWrite::TakeActions() {
    return std::exchange(actions_, {});
}

// The engines' actions go to the host as they come, except their Finished: the write's starts
// the read-back, and the read-back's ends the whole with the write's result.
void VerifiedWrite::Collect() {
    for (;;) {
        TransferEngine& engine = Active();
        std::vector<LinkAction> actions = engine.TakeActions();
        if (actions.empty())
            return;
        for (const LinkAction& action : actions) {
            if (action.kind != LinkAction::Kind::Finished)
                actions_.push_back(action);
            else if (&engine == &writer_)
                OnWriteFinished(action.result);
            else
                OnReadFinished(action.result);
        }
    }
}

void VerifiedWrite::OnWriteFinished(const LinkResult& result) {
    writeResult_ = result;
    if (!result.Succeeded() || !verify_) {
        actions_.push_back(LinkAction::Finish(result));
        return;
    }
    // Whatever the read does not bring back stays as sent, so only what it brings can differ.
    expected_ = SentValues::Expected(sent_);
    readBack_ = expected_;
    verifying_ = true;
    reader_.StartRead(ReadPassword());
}

void VerifiedWrite::OnReadFinished(const LinkResult& result) {
    verifying_ = false;
    verification_.readResult = result;
    if (!result.Succeeded()) {
        verification_.state = WriteVerification::State::ReadFailed;
    } else {
        const TextContext ctx{english_, QLatin1Char('.')};
        QStringList differences = compare_ ? compare_(expected_, readBack_)
                                           : SentValues::Differences(expected_, readBack_, ctx);
        if (reader_.RadioPassword() != PasswordAfterWrite())
            differences << ctx.Tr("VerifiedWrite", "Password: not the one written");
        verification_.differences = differences;
        verification_.state = differences.isEmpty() ? WriteVerification::State::Verified
                                                    : WriteVerification::State::Differences;
    }
    actions_.push_back(LinkAction::Finish(writeResult_));
}

Long VerifiedWrite::PasswordAfterWrite() const {
    if (!newPassword_.change)
        return writer_.RadioPassword();
    return newPassword_.newPassword.isEmpty() ? -1 : newPassword_.newPassword.toInt();
}

QString VerifiedWrite::ReadPassword() const {
    return newPassword_.change ? newPassword_.newPassword : password_;
}

QString VerifiedWrite::VerifiedText(bool english) {
    return TextContext{english}.Tr("VerifiedWrite", "Verified");
}

QString VerifiedWrite::DifferencesText(bool english) {
    return TextContext{english}.Tr("VerifiedWrite",
                                   "The radio reads back otherwise than it was written:");
}

QString VerifiedWrite::ReadBackFailedText(bool english) {
    return TextContext{english}.Tr("VerifiedWrite",
                                   "The write completed but the radio could not be read back:");
}

} // namespace zr40
