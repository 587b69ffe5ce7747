#pragma once
// The File menu's list of recently used settings files: at most four full
// paths, the latest first, kept in the profile's section "Recent File List"
// as "File1" to "File4".

#include <vector>

#include "app/profile.h"
#include "common/text.h"

namespace qs::app {

inline constexpr char16_t kRecentFileSection[] = u"Recent File List";

class RecentFileList {
public:
    static constexpr int kSize = 4;

    void load(const Profile& profile);
    // Rewrites the whole section, removing the values of empty places.
    void save(Profile& profile) const;

    // `path` goes to the top; an entry naming the same file (letter case and
    // the kind of slash aside) moves up instead of appearing twice, and the
    // oldest falls off beyond four.
    void add(TextView path);
    // Index 0 is the top entry; an index out of range changes nothing.
    void remove(int index);

    const std::vector<Text>& entries() const { return entries_; }

    // The menu caption of entry `index`: "&1 " and the path, shortened to
    // its root, "..." and as many of its last parts as fit in 30 characters
    // (the file name always), with every "&" doubled.
    static Text menuCaption(int index, TextView path);

    // The two paths name the same file as far as the text shows: Windows
    // paths ignore letter case and accept "/" for "\".
    static bool samePath(TextView a, TextView b);

private:
    std::vector<Text>::iterator find(TextView path);

    std::vector<Text> entries_;
};

// A long path shortened as the menu shows it (see menuCaption).
Text abbreviatePath(TextView path, size_t maxLength);

}  // namespace qs::app
