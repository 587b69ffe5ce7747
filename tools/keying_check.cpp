#include "tools/keying_check.h"

#include <algorithm>
#include <cmath>
#include <istream>
#include <sstream>

#include "rx/morse_tables.h"
#include "settings/option_string.h"
#include "tx/keyer_timeline.h"
#include "tx/ptt_lead_option.h"

namespace qs::tools {

namespace {

constexpr long long kNsPerMs = 1000000;
constexpr int kUsbKeyDown = 0xFE;
constexpr int kUsbKeyUp = 0xFF;
constexpr long long kIdealLimitMs = 4LL * 3600 * 1000;

// Drops changes that change nothing; both lines start released.
class ChangeList {
public:
    void add(double timeMs, LineChange change) {
        const bool down = change == LineChange::KeyDown || change == LineChange::PttOn;
        bool& state = isKey(change) ? keyDown_ : pttOn_;
        if (state == down) return;
        state = down;
        changes_.push_back({timeMs, change});
    }
    std::vector<TimedChange> take() { return std::move(changes_); }

private:
    static bool isKey(LineChange change) {
        return change == LineChange::KeyDown || change == LineChange::KeyUp;
    }
    bool keyDown_ = false;
    bool pttOn_ = false;
    std::vector<TimedChange> changes_;
};

bool parseUsbLine(std::istringstream& fields, LineChange& change) {
    std::string call;
    int device = 0;
    int argument = 0;
    int data = 0;
    if (!(fields >> call) || call != "write" || !(fields >> device >> argument >> data)) {
        return false;
    }
    if (data != kUsbKeyDown && data != kUsbKeyUp) return false;
    change = data == kUsbKeyDown ? LineChange::KeyDown : LineChange::KeyUp;
    return true;
}

bool parseModemLine(std::istringstream& fields, const std::string& keyLine, LineChange& change) {
    std::string action;
    std::string line;
    if (!(fields >> action >> line) || (action != "SET" && action != "CLR")) return false;
    if (line != "RTS" && line != "DTR") return false;
    const bool set = action == "SET";
    if (line == keyLine) {
        change = set ? LineChange::KeyDown : LineChange::KeyUp;
    } else {
        change = set ? LineChange::PttOn : LineChange::PttOff;
    }
    return true;
}

bool isPttInterval(LineChange from, LineChange to) {
    return (from == LineChange::PttOn && to == LineChange::KeyDown) ||
           (from == LineChange::KeyUp && to == LineChange::PttOff);
}

}  // namespace

std::vector<TimedChange> readKeyingLog(std::istream& log, KeyingLogFormat format,
                                       const std::string& keyLine) {
    ChangeList changes;
    std::string text;
    while (std::getline(log, text)) {
        std::istringstream fields(text);
        long long timeNs = 0;
        if (!(fields >> timeNs)) continue;
        LineChange change{};
        const bool understood = format == KeyingLogFormat::Usbif4cw
                                    ? parseUsbLine(fields, change)
                                    : parseModemLine(fields, keyLine, change);
        if (understood) changes.add(static_cast<double>(timeNs) / kNsPerMs, change);
    }
    return changes.take();
}

std::vector<TimedChange> idealKeying(TextView text, int speedIndex, int pttLeadMs,
                                     TextView weightDigits) {
    tx::KeyerTimeline timeline(rx::patternFor);
    Text options = settings::kBuiltInOptionString;
    options.replace(settings::option::kDotWeight, weightDigits.size(), weightDigits);
    options[settings::option::kPttLead] = tx::pttLeadOption(pttLeadMs);
    timeline.keyer().applyKeyingOptions(options);
    timeline.keyer().updateTxSpeed(speedIndex);
    timeline.appendText(text);
    timeline.runUntilSent(kIdealLimitMs);
    ChangeList changes;
    for (const tx::KeyerEvent& event : timeline.lineEvents()) {
        const double at = static_cast<double>(event.timeMs);
        switch (event.kind) {
            case tx::KeyerEvent::Kind::KeyDown:
                changes.add(at, LineChange::KeyDown);
                break;
            case tx::KeyerEvent::Kind::KeyUp:
                changes.add(at, LineChange::KeyUp);
                break;
            case tx::KeyerEvent::Kind::PttOn:
                changes.add(at, LineChange::PttOn);
                break;
            case tx::KeyerEvent::Kind::PttOff:
                changes.add(at, LineChange::PttOff);
                break;
            default:
                break;
        }
    }
    return changes.take();
}

KeyingComparison compareKeying(const std::vector<TimedChange>& measured,
                               const std::vector<TimedChange>& ideal) {
    KeyingComparison result;
    result.measuredChanges = static_cast<int>(measured.size());
    result.idealChanges = static_cast<int>(ideal.size());
    result.sameSequence = measured.size() == ideal.size() &&
                          std::equal(measured.begin(), measured.end(), ideal.begin(),
                                     [](const TimedChange& a, const TimedChange& b) {
                                         return a.change == b.change;
                                     });
    std::vector<double> elements;
    std::vector<double> gaps;
    std::vector<double> ptt;
    const size_t pairs = std::min(measured.size(), ideal.size());
    for (size_t i = 1; i < pairs; ++i) {
        const LineChange from = ideal[i - 1].change;
        const LineChange to = ideal[i].change;
        if (measured[i - 1].change != from || measured[i].change != to) break;
        const double measuredMs = measured[i].timeMs - measured[i - 1].timeMs;
        const double error = std::fabs(measuredMs - (ideal[i].timeMs - ideal[i - 1].timeMs));
        if (from == LineChange::KeyDown && to == LineChange::KeyUp) {
            elements.push_back(error);
        } else if (from == LineChange::KeyUp && to == LineChange::KeyDown) {
            gaps.push_back(error);
        } else if (isPttInterval(from, to)) {
            ptt.push_back(error);
            if (from == LineChange::PttOn && result.leadMs < 0) result.leadMs = measuredMs;
        }
    }
    result.elements = errorFigures(std::move(elements));
    result.gaps = errorFigures(std::move(gaps));
    result.ptt = errorFigures(std::move(ptt));
    return result;
}

ErrorFigures errorFigures(std::vector<double> errorsMs) {
    ErrorFigures figures;
    figures.count = static_cast<int>(errorsMs.size());
    if (errorsMs.empty()) return figures;
    std::sort(errorsMs.begin(), errorsMs.end());
    const size_t n = errorsMs.size();
    figures.medianMs = n % 2 ? errorsMs[n / 2] : (errorsMs[n / 2 - 1] + errorsMs[n / 2]) / 2.0;
    const size_t rank = static_cast<size_t>(std::ceil(0.99 * static_cast<double>(n)));
    figures.percentile99Ms = errorsMs[std::max<size_t>(rank, 1) - 1];
    figures.worstMs = errorsMs.back();
    figures.over2Ms = static_cast<int>(
        errorsMs.end() - std::upper_bound(errorsMs.begin(), errorsMs.end(), 2.0));
    return figures;
}

}  // namespace qs::tools
