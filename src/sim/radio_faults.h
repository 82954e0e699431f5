#pragma once

#include <QByteArray>

namespace zr40 {

// Misbehaviour the virtual radio shows on request. Every counter covers that many of the next
// replies (silence: requests) and counts down as they go out.
struct RadioFaults {
    int silentRequests = 0; // answer nothing
    int noisyReplies = 0;   // put `noise` before the start byte
    QByteArray noise = QByteArray("\x00\x13\x7F", 3);
    int trailingReplies = 0; // put `trailing` after the end byte, in the same group
    QByteArray trailing = QByteArray("\x00", 1);
    int badChecksumReplies = 0;    // checksum off by one
    int wrongDirectionReplies = 0; // direction byte 0x01 instead of 0x02
    int cutReplies = 0;            // drop the last `cutBytes` bytes of the frame
    int cutBytes = 3;
    int shortPayloadReplies = 0; // a well-formed reply carrying only `shortPayloadValues` values
    int shortPayloadValues = 1;
    int replyDelayMs = 0; // think this long before every reply
    // Channel commits that store a receive frequency other than the one written, so that a
    // check after the write has something to find.
    int corruptChannelCommits = 0;
};

} // namespace zr40
