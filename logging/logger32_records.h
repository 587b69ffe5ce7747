#pragma once
// Logger32's record texts: fields "<" tag ":" length ">" value, closed by
// "0". Sent as ASCII; the length is the value's character count.

#include <optional>
#include <string>

#include "common/text.h"
#include "logging/contact_fields.h"

namespace qs::logging {

// "<TAG:n>value".
Text logger32Field(TextView tag, TextView value);

// The QSO record: CALL, NAME, QTH, RST_SENT (His RST), RST_RCVD (My RST)
// for the entries that are not empty, without the closing "0"; empty when
// every entry is.
Text logger32QsoFields(const ContactFields& fields);

inline constexpr char kLogger32SaveRecord[] = "<APP_LOGQSO:0>0";
inline constexpr char kLogger32ClearRecord[] = "<CALL:0><RST_RCVD:0><RST_SENT:0><NAME:0><QTH:0>0";

}  // namespace qs::logging
