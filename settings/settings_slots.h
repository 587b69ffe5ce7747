#pragma once
// Writing one settings slot, as every control handler does when the operator
// changes a setting. The settings record implements it (and marks the
// document modified by its own rule).

#include "common/text.h"

namespace qs {

class SettingsSlots {
public:
    virtual ~SettingsSlots() = default;
    virtual void setSlot(int slot, TextView value) = 0;
};

}  // namespace qs
