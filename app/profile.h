#pragma once
// The program's profile: integers and texts in named sections under the
// program's own registry key on Windows
// (HKEY_CURRENT_USER\Software\Local AppWizard-Generated Applications\Quillstone).

#include <optional>

#include "common/text.h"

namespace qs::app {

inline constexpr char16_t kProfileKey[] =
    u"Software\\Local AppWizard-Generated Applications\\Quillstone";

class Profile {
public:
    virtual ~Profile() = default;
    // None when the value is missing or of another type.
    virtual std::optional<int> readInt(TextView section, TextView name) const = 0;
    virtual std::optional<Text> readText(TextView section, TextView name) const = 0;
    // Failures to write are not reported: the profile only remembers
    // conveniences (placement, recent files).
    virtual void writeInt(TextView section, TextView name, int value) = 0;
    virtual void writeText(TextView section, TextView name, TextView value) = 0;
    virtual void removeValue(TextView section, TextView name) = 0;
};

}  // namespace qs::app
