#include "tx/ptt_lead_option.h"

namespace qs::tx {

namespace {

struct LeadLetter {
    char16_t letter;
    int leadMs;
};

constexpr LeadLetter kLeadLetters[] = {
    {u'N', 0}, {u'A', 25}, {u'B', 50}, {u'C', 100}, {u'D', 200},
};

}  // namespace

int pttLeadFromOption(char16_t letter, int currentMs) {
    for (const LeadLetter& entry : kLeadLetters) {
        if (entry.letter == letter) return entry.leadMs;
    }
    return currentMs;
}

char16_t pttLeadOption(int leadMs) {
    for (const LeadLetter& entry : kLeadLetters) {
        if (entry.leadMs == leadMs) return entry.letter;
    }
    return u'N';
}

}  // namespace qs::tx
