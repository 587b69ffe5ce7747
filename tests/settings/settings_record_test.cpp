#include "settings/settings_record.h"

#include <gtest/gtest.h>

#include <utility>

#include "settings/option_string.h"
#include "settings/slot_catalog.h"

namespace qs::settings {
namespace {

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

    EXPECT_TRUE(record.SetSlot(u"first", 0));
    EXPECT_TRUE(record.SetSlot(u"last", 80));
    EXPECT_TRUE(record.GetSlot(out, 0));
    EXPECT_EQ(out, u"first");
    EXPECT_TRUE(record.GetSlot(out, 80));
    EXPECT_EQ(out, u"last");
}

TEST(SettingsRecord, HandlerWritesBeforeTheFirstDocumentDoNotAskForASave) {
    SettingsRecord record;
    record.setSlot(slot::kNoiseReduction, u"NoiseON1");
    EXPECT_FALSE(record.IsModified());
    record.setSlot(slot::kTone, u"ToneAUTO");
    EXPECT_FALSE(record.IsModified());

    // The transmit speed and "ToneNotAUTO" always leave the document modified.
    record.setSlot(slot::kTxSpeedPosition, u"20");
    EXPECT_TRUE(record.IsModified());
    record.SetModifiedFlag(false);
    record.setSlot(slot::kTone, u"ToneNotAUTO");
    EXPECT_TRUE(record.IsModified());

    // Any other write before the first document clears the flag again.
    record.setSlot(slot::kQrmFilter, u"QRMON");
    EXPECT_FALSE(record.IsModified());

    Text out;
    record.GetSlot(out, slot::kQrmFilter);
    EXPECT_EQ(out, u"QRMON");
}

TEST(SettingsRecord, HandlerWritesAfterADocumentWasAppliedMarkItModified) {
    SettingsRecord record;
    record.noteSettingsApplied();
    record.setSlot(slot::kAudioChannel, u"RightTone");
    EXPECT_TRUE(record.IsModified());

    record.SetModifiedFlag(false);
    record.setSlot(81, u"RightTone");
    EXPECT_FALSE(record.IsModified());
}

TEST(SettingsRecord, NewDocumentEmptiesEverySlotThePathAndTheFlag) {
    SettingsRecord record;
    for (int i = 0; i < kSlotCount; ++i) record.SetSlot(u"v", i);
    record.SetPathName("dir/old.qstn");
    EXPECT_TRUE(record.OnNewDocument());
    EXPECT_FALSE(record.IsModified());
    EXPECT_TRUE(record.GetPathName().empty());
    Text out;
    for (int i = 0; i < kSlotCount; ++i) {
        record.GetSlot(out, i);
        EXPECT_TRUE(out.empty()) << "slot " << i;
    }
}

TEST(SlotCatalog, MeaningsChangeAtTheEdgesOfTheSlotRanges) {
    const std::pair<int, const char*> edges[] = {
        {0, "Unused"},
        {12, "Macro text of the Auto CQ button"},
        {13, "Caption of macro button 1"},
        {36, "Text colour index of the Auto CQ button"},
        {37, "Keying port"},
        {52, "Transmit speed position"},
        {53, "Reserved"},
        {81, "Not a slot"},
    };
    for (const auto& [index, meaning] : edges) EXPECT_EQ(slotMeaning(index), meaning) << index;
}

TEST(OptionString, ShortStringsFromFilesReadAsEmptyPositions) {
    ASSERT_EQ(TextView(kBuiltInOptionString).size(), static_cast<size_t>(kOptionStringLength));
    EXPECT_EQ(optionAt(kBuiltInOptionString, option::kFiveNnReset), u'5');
    EXPECT_EQ(optionAt(u"NS", option::kFontSize), u'S');
    EXPECT_EQ(optionAt(u"NS", option::kQsoLogSave), u'\0');
    EXPECT_EQ(optionAt(u"NS", -1), u'\0');
}

}  // namespace
}  // namespace qs::settings
