#include "review/read_back_check.h"

#include "review/codeplug_diff.h"
#include "review/review_text.h"

namespace zr40 {

VerifiedWrite::Compare ReadBackCheck::Compare(const TextContext& ctx) {
    return [ctx](const Codeplug& expected, const Codeplug& readBack) {
        return ReviewText::DifferenceLines(CodeplugDiff::Compare(expected, readBack, ctx), ctx);
    };
}

} // namespace zr40
