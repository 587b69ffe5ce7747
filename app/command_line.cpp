#include "app/command_line.h"

namespace qs::app {

namespace {

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

// The program's name: no escapes, quotes only around it.
size_t takeProgramName(TextView line, std::vector<Text>& arguments) {
    size_t end;
    if (!line.empty() && line[0] == u'"') {
        end = line.find(u'"', 1);
        arguments.emplace_back(line.substr(1, end == TextView::npos ? TextView::npos : end - 1));
        return end == TextView::npos ? line.size() : end + 1;
    }
    end = 0;
    while (end < line.size() && !isBlank(line[end])) ++end;
    arguments.emplace_back(line.substr(0, end));
    return end;
}

// Backslashes from `pos`, then what they mean before the character after them.
size_t takeBackslashes(TextView line, size_t pos, Text& argument, bool& inQuotes) {
    size_t count = 0;
    while (pos + count < line.size() && line[pos + count] == u'\\') ++count;
    const size_t next = pos + count;
    if (next >= line.size() || line[next] != u'"') {
        argument.append(count, u'\\');
        return next;
    }
    argument.append(count / 2, u'\\');
    if (count % 2 == 1) {
        argument += u'"';
    } else {
        inQuotes = !inQuotes;
    }
    return next + 1;
}

}  // namespace

std::vector<Text> splitCommandLine(TextView line) {
    std::vector<Text> arguments;
    size_t pos = takeProgramName(line, arguments);
    for (;;) {
        while (pos < line.size() && isBlank(line[pos])) ++pos;
        if (pos >= line.size()) break;
        Text argument;
        bool inQuotes = false;
        while (pos < line.size() && (inQuotes || !isBlank(line[pos]))) {
            const char16_t c = line[pos];
            if (c == u'\\') {
                pos = takeBackslashes(line, pos, argument, inQuotes);
            } else if (c == u'"' && inQuotes && pos + 1 < line.size() && line[pos + 1] == u'"') {
                argument += u'"';
                pos += 2;
            } else if (c == u'"') {
                inQuotes = !inQuotes;
                ++pos;
            } else {
                argument += c;
                ++pos;
            }
        }
        arguments.push_back(std::move(argument));
    }
    return arguments;
}

std::optional<Text> documentFromCommandLine(TextView commandLine) {
    const std::vector<Text> arguments = splitCommandLine(commandLine);
    for (size_t i = 1; i < arguments.size(); ++i) {
        const Text& argument = arguments[i];
        if (argument.empty() || argument[0] == u'/' || argument[0] == u'-') continue;
        return argument;
    }
    return std::nullopt;
}

}  // namespace qs::app
