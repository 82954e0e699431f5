#pragma once

#include "codeplug/codeplug.h"

#include <vector>

namespace zr40 {

// A named run of codeplug values: a scalar (count 1, not an array) or the used part of a table.
struct CodeplugField {
    const char* name;
    Long* data;
    int count;
    bool array;
};

// Every value the radio data file holds, by the names the program uses for them, so that
// exchange formats (the zr40 command's json) can name each one. Tables appear in their used
// length; per-channel values are listed per channel.
class CodeplugFields {
public:
    // Header counts, tune data and function settings, in the radio's header order.
    static std::vector<CodeplugField> Settings(Codeplug& codeplug);
    // The values of one channel (0..31); its keys as two arrays of four words.
    static std::vector<CodeplugField> Channel(Codeplug& codeplug, int channel);
    // Receive list l (0..7) as an array of its eight entries.
    static CodeplugField RxList(Codeplug& codeplug, int list);
};

} // namespace zr40
