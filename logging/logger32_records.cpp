#include "logging/logger32_records.h"

namespace qs::logging {

Text logger32Field(TextView tag, TextView value) {
    Text field = u"<";
    field += tag;
    field += u':';
    field += decimalText(static_cast<long>(value.size()));
    field += u'>';
    field += value;
    return field;
}

Text logger32QsoFields(const ContactFields& fields) {
    const std::pair<TextView, Text> entries[] = {
        {u"CALL", fields.hisCall()},    {u"NAME", fields.hisName()},   {u"QTH", fields.hisQth()},
        {u"RST_SENT", fields.hisRst()}, {u"RST_RCVD", fields.myRst()},
    };
    Text record;
    for (const auto& [tag, value] : entries) {
        if (!value.empty()) record += logger32Field(tag, value);
    }
    return record;
}

}  // namespace qs::logging
