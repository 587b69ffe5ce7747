#include "settings/option_string.h"

namespace qs::settings {

char16_t optionAt(TextView options, int position) {
    if (position < 0 || static_cast<size_t>(position) >= options.size()) return u'\0';
    return options[static_cast<size_t>(position)];
}

}  // namespace qs::settings
