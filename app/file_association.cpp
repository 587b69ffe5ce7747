#include "app/file_association.h"

namespace qs::app {

std::vector<ClassesValue> fileAssociation(TextView programPath) {
    const Text program(programPath);
    const Text type = kFileTypeId;
    return {
        {u".qstn", u"", type},
        {type, u"", type},
        {type + u"\\DefaultIcon", u"", program + u",0"},
        {type + u"\\shell\\open\\command", u"", u"\"" + program + u"\" \"%1\""},
    };
}

}  // namespace qs::app
