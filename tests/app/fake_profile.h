#pragma once
// A profile kept in a map, as "section/name" -> value.

#include <map>
#include <optional>
#include <variant>

#include "app/profile.h"

namespace qs::app::test {

class FakeProfile : public Profile {
public:
    using Value = std::variant<int, Text>;
    std::map<Text, Value> values;

    static Text key(TextView section, TextView name) { return Text(section) + u"/" + Text(name); }

    std::optional<int> readInt(TextView section, TextView name) const override {
        const auto found = values.find(key(section, name));
        if (found == values.end() || !std::holds_alternative<int>(found->second)) return {};
        return std::get<int>(found->second);
    }
    std::optional<Text> readText(TextView section, TextView name) const override {
        const auto found = values.find(key(section, name));
        if (found == values.end() || !std::holds_alternative<Text>(found->second)) return {};
        return std::get<Text>(found->second);
    }
    void writeInt(TextView section, TextView name, int value) override {
        values[key(section, name)] = value;
    }
    void writeText(TextView section, TextView name, TextView value) override {
        values[key(section, name)] = Text(value);
    }
    void removeValue(TextView section, TextView name) override { values.erase(key(section, name)); }
};

}  // namespace qs::app::test
