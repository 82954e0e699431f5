#pragma once

#include "exchange/sample_plan.h"
#include "rules_support.h"

#include <QMetaType>
#include <functional>

namespace zr40::test {

using Edit = std::function<void(Codeplug&)>;

// The codeplug of the New command, as the zr40 command starts from.
inline Codeplug NewPlan() {
    Codeplug cp;
    cp.ApplyStartupDefaults();
    cp.ResetApplicationState();
    cp.ApplyNewDefaults();
    return cp;
}

// The demo's UHF plan: analog and digital channels, two receive lists, band 400-480 MHz.
inline Codeplug SampleCodeplug() {
    Codeplug cp = NewPlan();
    SamplePlan::Apply(cp);
    return cp;
}

inline Codeplug Edited(const Codeplug& base, const Edit& edit) {
    Codeplug cp = base;
    edit(cp);
    return cp;
}

} // namespace zr40::test

Q_DECLARE_METATYPE(zr40::test::Edit)
