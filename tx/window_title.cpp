#include "tx/window_title.h"

namespace qs::tx {

Text windowTitle(TextView myCall, TextView myName, TextView documentTag, TextView suffix) {
    Text title = u" Quillstone V16.0.0 ";
    title += myCall;
    if (!myName.empty()) {
        title += u'-';
        title += myName;
    }
    title += documentTag;
    title += suffix;
    return title;
}

void refreshWindowTitle(TitleSources& sources) {
    TextView suffix;
    if (sources.logSoftIsHamLog()) {
        if (sources.hamLogWindowFound()) suffix = u"  [with Hamlog]";
    } else if (sources.findLogger32Window()) {
        suffix = u"  [with Logger32]";
    } else {
        sources.restartLogger32Poll();
    }
    sources.setWindowTitle(
        windowTitle(sources.myCall(), sources.myName(), sources.documentTag(), suffix));
}

}  // namespace qs::tx
