#pragma once
// The contact entries of the operating screen as the logging links read and
// fill them: HisCall (1029), HisName (1030), HisQTH (1031) and the two
// report combo boxes, His RST (1032) and My RST (1033).

#include "common/text.h"

namespace qs::logging {

class ContactFields {
  public:
    virtual ~ContactFields() = default;
    virtual Text hisCall() const = 0;
    virtual Text hisName() const = 0;
    virtual Text hisQth() const = 0;
    virtual Text hisRst() const = 0;
    virtual Text myRst() const = 0;
    virtual void setHisCall(TextView text) = 0;
    virtual void setHisName(TextView text) = 0;
    virtual void setHisQth(TextView text) = 0;
};

}  // namespace qs::logging
