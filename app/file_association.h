#pragma once
// The ".qstn" file type, registered for the current user
// (HKEY_CURRENT_USER\Software\Classes, no administrator rights needed) so
// that double-clicking a settings file starts the program with it.

#include <vector>

#include "common/text.h"

namespace qs::app {

inline constexpr char16_t kFileTypeId[] = u"Quillstone.Document";

// One registry value below Software\Classes; an empty name is the key's
// default value.
struct ClassesValue {
    Text key;
    Text name;
    Text data;

    bool operator==(const ClassesValue& other) const {
        return key == other.key && name == other.name && data == other.data;
    }
};

// The values that associate ".qstn" with the program at `programPath`.
std::vector<ClassesValue> fileAssociation(TextView programPath);

}  // namespace qs::app
