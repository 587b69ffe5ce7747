#pragma once
// The profile in the registry: HKEY_CURRENT_USER\<kProfileKey>\<section>,
// integers as DWORD values and texts as REG_SZ, as the framework keeps its
// profile. Writes create the keys they need.

#include "app/profile.h"

namespace qs::app {

class RegistryProfile : public Profile {
public:
    std::optional<int> readInt(TextView section, TextView name) const override;
    std::optional<Text> readText(TextView section, TextView name) const override;
    void writeInt(TextView section, TextView name, int value) override;
    void writeText(TextView section, TextView name, TextView value) override;
    void removeValue(TextView section, TextView name) override;
};

// Writes one value below HKEY_CURRENT_USER\Software\Classes unless it is
// already there; true when something changed.
bool writeClassesValue(TextView key, TextView name, TextView data);

}  // namespace qs::app
