#pragma once
// The main window title, refreshed by the keying engine every 101 ticks: the
// program name, the own call and name, the document, and which logging
// program is running beside the terminal. The refresh also restarts the
// search for Logger32 while it is missing.

#include "common/text.h"

namespace qs::tx {

// What the title is built from, and where it goes.
class TitleSources {
public:
    virtual ~TitleSources() = default;
    virtual Text myCall() const = 0;
    virtual Text myName() const = 0;
    virtual Text documentTag() const = 0;  // " (name.qstn)" or empty
    virtual bool logSoftIsHamLog() const = 0;
    virtual bool hamLogWindowFound() = 0;
    // Looks up the window titled "Logger32" and remembers its handle for the
    // Logger32 link.
    virtual bool findLogger32Window() = 0;
    // Starts the Logger32 polling timer (window timer 1) again, with the
    // period the link keeps.
    virtual void restartLogger32Poll() = 0;
    virtual void setWindowTitle(TextView title) = 0;
};

// " Quillstone V16.0.0 " + call ["-" + name] + document tag + suffix.
Text windowTitle(TextView myCall, TextView myName, TextView documentTag, TextView suffix);

void refreshWindowTitle(TitleSources& sources);

}  // namespace qs::tx
