#include "tools/slot_listing.h"

#include <cstdio>
#include <iomanip>

#include "settings/slot_catalog.h"

namespace qs::tools {

namespace {

constexpr int kMeaningColumnWidth = 40;  // the longest meaning, plus one

// \r, \n, \t, or \u00XX for the other control characters; none for the rest.
std::string controlEscape(char c) {
    switch (c) {
        case '\r':
            return "\\r";
        case '\n':
            return "\\n";
        case '\t':
            return "\\t";
        default:
            break;
    }
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte != 0x7F) return {};
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\u%04X", byte);
    return escaped;
}

std::string oneLine(TextView text) {
    std::string line;
    for (const char c : toUtf8(text)) {
        const std::string escaped = controlEscape(c);
        if (!escaped.empty()) {
            line += escaped;
        } else if (c == '\\') {
            line += "\\\\";
        } else {
            line += c;
        }
    }
    return line;
}

template <typename Visit>
void forEachNonEmptySlot(const settings::SettingsRecord& record, Visit visit) {
    Text value;
    for (int index = settings::kFirstStoredSlot; index <= settings::kLastStoredSlot; ++index) {
        record.GetSlot(value, index);
        if (!value.empty()) visit(index, value);
    }
}

}  // namespace

void listSlots(const settings::SettingsRecord& record, std::ostream& out) {
    forEachNonEmptySlot(record, [&out](int index, const Text& value) {
        out << std::setw(2) << index << "  " << std::left << std::setw(kMeaningColumnWidth)
            << settings::slotMeaning(index) << std::right << oneLine(value) << '\n';
    });
}

void listSlotsJson(const settings::SettingsRecord& record, std::ostream& out) {
    bool first = true;
    out << '[';
    forEachNonEmptySlot(record, [&](int index, const Text& value) {
        out << (first ? "\n" : ",\n") << "  {\"slot\": " << index
            << ", \"meaning\": " << jsonString(fromAscii(settings::slotMeaning(index)))
            << ", \"value\": " << jsonString(value) << '}';
        first = false;
    });
    out << (first ? "]\n" : "\n]\n");
}

std::string jsonString(TextView text) {
    std::string literal = "\"";
    for (const char c : toUtf8(text)) {
        if (c == '"' || c == '\\') {
            literal += '\\';
            literal += c;
        } else if (const auto byte = static_cast<unsigned char>(c); byte < 0x20) {
            literal += controlEscape(c);
        } else {
            literal += c;
        }
    }
    return literal + '"';
}

}  // namespace qs::tools
