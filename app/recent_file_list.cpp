#include "app/recent_file_list.h"

#include <algorithm>

namespace qs::app {

namespace {

constexpr size_t kMenuPathLength = 30;
constexpr char16_t kEllipsis[] = u"...";

Text entryName(int index) {
    return u"File" + decimalText(index + 1);
}

char16_t foldForPath(char16_t c) {
    if (c == u'/') return u'\\';
    if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - u'a' + u'A');
    return c;
}

bool isSeparator(char16_t c) {
    return c == u'\\' || c == u'/';
}

// The part that stays in front: "C:\", "\\server\share\" or "\" (empty for a
// relative path).
size_t rootLength(TextView path) {
    if (path.size() >= 3 && path[1] == u':' && isSeparator(path[2])) return 3;
    if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1])) {
        size_t end = path.find_first_of(u"\\/", 2);                            // after the server
        if (end != TextView::npos) end = path.find_first_of(u"\\/", end + 1);  // after the share
        return end == TextView::npos ? path.size() : end + 1;
    }
    return !path.empty() && isSeparator(path[0]) ? 1 : 0;
}

Text doubleAmpersands(TextView text) {
    Text doubled;
    for (const char16_t c : text) {
        if (c == u'&') doubled += u'&';
        doubled += c;
    }
    return doubled;
}

}  // namespace

void RecentFileList::load(const Profile& profile) {
    entries_.clear();
    for (int i = 0; i < kSize; ++i) {
        const std::optional<Text> path = profile.readText(kRecentFileSection, entryName(i));
        if (path && !path->empty() && find(*path) == entries_.end()) entries_.push_back(*path);
    }
}

void RecentFileList::save(Profile& profile) const {
    for (int i = 0; i < kSize; ++i) {
        if (i < static_cast<int>(entries_.size())) {
            profile.writeText(kRecentFileSection, entryName(i), entries_[i]);
        } else {
            profile.removeValue(kRecentFileSection, entryName(i));
        }
    }
}

std::vector<Text>::iterator RecentFileList::find(TextView path) {
    return std::find_if(entries_.begin(), entries_.end(),
                        [&](const Text& entry) { return samePath(entry, path); });
}

void RecentFileList::add(TextView path) {
    const auto same = find(path);
    if (same != entries_.end()) entries_.erase(same);
    entries_.insert(entries_.begin(), Text(path));
    if (entries_.size() > static_cast<size_t>(kSize)) entries_.resize(kSize);
}

void RecentFileList::remove(int index) {
    if (index < 0 || index >= static_cast<int>(entries_.size())) return;
    entries_.erase(entries_.begin() + index);
}

bool RecentFileList::samePath(TextView a, TextView b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char16_t x, char16_t y) { return foldForPath(x) == foldForPath(y); });
}

Text RecentFileList::menuCaption(int index, TextView path) {
    return u"&" + decimalText(index + 1) + u" " +
           doubleAmpersands(abbreviatePath(path, kMenuPathLength));
}

// Drops whole folders after the root, from the left, until the rest fits;
// the file name itself is never cut.
Text abbreviatePath(TextView path, size_t maxLength) {
    if (path.size() <= maxLength) return Text(path);
    const size_t root = rootLength(path);
    const size_t lastSeparator = path.find_last_of(u"\\/");
    const size_t nameStart = lastSeparator == TextView::npos ? 0 : lastSeparator + 1;
    if (nameStart <= root) return Text(path);
    const TextView front = path.substr(0, root);
    size_t tailStart = nameStart;  // the kept tail starts here
    for (;;) {
        if (tailStart < root + 2) break;
        const size_t previous = path.find_last_of(u"\\/", tailStart - 2);
        if (previous == TextView::npos || previous + 1 <= root) break;
        const size_t longer = front.size() + 4 + (path.size() - (previous + 1));
        if (longer > maxLength) break;
        tailStart = previous + 1;
    }
    return Text(front) + kEllipsis + u"\\" + Text(path.substr(tailStart));
}

}  // namespace qs::app
