#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/text_context.h"
#include "link/transfer_engine.h"
#include "review/plan_difference.h"

namespace zr40 {

// Every value a radio data file holds that differs between two channel plans, in the words of
// the program's windows: header counts, function settings, channels, receive lists, tune data.
//
// A channel in use on both sides is compared field by field as the grid and the channel edit
// dialog show it; a channel that comes into use or goes out of use is one row with its grid row;
// a channel in use on neither side is one row when any of its stored values differ. Values that
// read the same but are stored differently carry the stored number ("High [5]").
class CodeplugDiff {
public:
    static PlanDifferences Compare(const Codeplug& before, const Codeplug& after,
                                   const TextContext& ctx);

    // The radio as a write of `plan` leaves it: its own memory with the settings, the channels
    // and the receive lists the write sends (as many as the radio's header counts), each as the
    // radio stores it (quiet levels go out as 0), and with `tune` the tune header and points.
    // The header stays the radio's, and so do the tune data of a plain write.
    static Codeplug RadioAfterWrite(const Codeplug& radio, const Codeplug& plan, bool tune = false);
    // What a write of `plan` (with `tune`, a write of the tune page) changes in a radio that
    // holds `radio`.
    static PlanDifferences WriteChanges(const Codeplug& radio, const Codeplug& plan,
                                        const TextContext& ctx, bool tune = false);
    // The password is not part of a plan: the row for the one a write leaves in the radio
    // (whose settings held `radioPassword`), when it is another; otherwise nothing.
    static PlanDifferences PasswordChange(Long radioPassword, const NewPasswordChoice& choice,
                                          const TextContext& ctx);
};

} // namespace zr40
