#pragma once

#include <QtGlobal>

namespace zr40 {

// Byte 2 of every frame: what the request asks the radio to do. The reply echoes it.
enum class CommandClass : quint8 {
    Identify = 0x01,   // reply carries the radio header (7 values)
    ReadBlock = 0x02,  // reply carries the block's values
    WriteBlock = 0x03, // request carries the block's values; the radio only stages them
    Commit = 0x04,     // the block staged by the write before takes effect
    EndOfWrite = 0x05, // the radio leaves programming mode
};

// Byte 3 of every frame: which block of the radio's memory a request addresses.
enum class BlockType : quint8 {
    None = 0x00, // identify and end-of-write carry no block
    TuneHeader = 0x01,
    TunePoint = 0x02,
    Settings = 0x03,
    Channel = 0x04,
    RxList = 0x05,
};

} // namespace zr40
