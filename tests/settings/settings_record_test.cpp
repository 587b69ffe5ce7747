#include "settings/settings_record.h"

#include <gtest/gtest.h>

#include "settings/slot_catalog.h"

namespace qs::settings {
namespace {

Text slotText(const SettingsRecord& record, int index) {
    Text out;
    record.GetSlot(out, index);
    return out;
}

TEST(SettingsRecord, SlotsOutsideTheRecordAreRefusedWithoutEffect) {
    SettingsRecord record;
    Text out = u"untouched";
    for (int index : {-1, 81, 1000}) {
        EXPECT_FALSE(record.GetSlot(out, index));
        EXPECT_FALSE(record.SetSlot(u"x", index));
        record.setSlot(index, u"x");
    }
    EXPECT_EQ(out, u"untouched");
    EXPECT_FALSE(record.IsModified());
    EXPECT_TRUE(record.SetSlot(u"first", 0) && record.SetSlot(u"last", 80));
    EXPECT_EQ(slotText(record, 0) + slotText(record, 80), u"firstlast");

    // A new document empties every slot, the path and the flag.
    record.SetPathName("dir/old.qstn");
    EXPECT_TRUE(record.OnNewDocument());
    EXPECT_FALSE(record.IsModified());
    EXPECT_TRUE(record.GetPathName().empty());
    for (int i = 0; i < kSlotCount; ++i) EXPECT_TRUE(slotText(record, i).empty()) << i;
}

// Before the first document only the transmit speed and "ToneNotAUTO" leave
// the document modified; any other handler write clears the flag again.
// After a document was applied every handler write marks it modified.
TEST(SettingsRecord, HandlerWritesAskForASaveOnlyWhenTheyChangeADocument) {
    SettingsRecord record;
    record.setSlot(slot::kNoiseReduction, u"NoiseON1");
    record.setSlot(slot::kTone, u"ToneAUTO");
    EXPECT_FALSE(record.IsModified());
    record.setSlot(slot::kTxSpeedPosition, u"20");
    EXPECT_TRUE(record.IsModified());
    record.SetModifiedFlag(false);
    record.setSlot(slot::kTone, u"ToneNotAUTO");
    EXPECT_TRUE(record.IsModified());
    record.setSlot(slot::kQrmFilter, u"QRMON");
    EXPECT_FALSE(record.IsModified());
    EXPECT_EQ(slotText(record, slot::kQrmFilter), u"QRMON");

    record.noteSettingsApplied();
    record.setSlot(slot::kAudioChannel, u"RightTone");
    EXPECT_TRUE(record.IsModified());
    record.SetModifiedFlag(false);
    record.setSlot(81, u"RightTone");
    EXPECT_FALSE(record.IsModified());
}

}  // namespace
}  // namespace qs::settings
