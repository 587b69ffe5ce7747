#include "settings/qstn_archive.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/settings/archive_bytes.h"

namespace qs::settings {
namespace {

using test::appendLittleEndian;
using test::appendNarrow;
using test::appendWide;
using test::ByteList;

Text slotText(const SettingsRecord& record, int index) {
    Text out;
    record.GetSlot(out, index);
    return out;
}

// A record whose every slot tells which it is, so that a load shows what moved.
SettingsRecord numberedRecord() {
    SettingsRecord record;
    for (int i = 0; i < kSlotCount; ++i) record.SetSlot(u"old " + decimalText(i), i);
    record.SetPathName("old.qstn");
    return record;
}

void expectUnchanged(const SettingsRecord& record) {
    for (int i = 0; i < kSlotCount; ++i) EXPECT_EQ(slotText(record, i), u"old " + decimalText(i));
    EXPECT_EQ(record.GetPathName(), "old.qstn");
    EXPECT_TRUE(record.IsModified());
}

// A file of the data marker, the given first strings (already encoded), empty
// strings for the remaining slots and the end marker.
ByteList fileWithSlots(const ByteList& encodedSlots, int slotsEncoded) {
    ByteList bytes;
    appendWide(bytes, test::kDataMarkerText);
    bytes.insert(bytes.end(), encodedSlots.begin(), encodedSlots.end());
    for (int i = slotsEncoded; i < kStoredSlotCount; ++i) appendWide(bytes, u"");
    appendWide(bytes, test::kEndMarkerText);
    return bytes;
}

TEST(QstnArchive, NewDocumentIsTheTwoMarkersAroundEightyEmptyStrings) {
    const auto appendAsciiUnits = [](ByteList& out, const std::string& ascii) {
        for (char c : ascii) out.insert(out.end(), {static_cast<std::uint8_t>(c), 0});
    };
    ByteList expected = {0xFF, 0xFE, 0xFF, 28};
    appendAsciiUnits(expected, "<<## Quillstone 107data ##>>");
    for (int i = 0; i < 80; ++i) expected.insert(expected.end(), {0xFF, 0xFE, 0xFF, 0x00});
    expected.insert(expected.end(), {0xFF, 0xFE, 0xFF, 27});
    appendAsciiUnits(expected, "<<## Quillstone 107end ##>>");

    SettingsRecord record;
    record.OnNewDocument();
    record.SetSlot(u"slot zero is never stored", 0);
    const Bytes bytes = storeSettings(record);
    EXPECT_EQ(bytes.size(), 438u);
    EXPECT_EQ(bytes, expected);
}

TEST(QstnArchive, EverySlotRoundTripsIncludingReservedAndNonAsciiText) {
    SettingsRecord record;
    for (int i = 1; i <= kLastStoredSlot; ++i) {
        record.SetSlot(u"slot " + decimalText(i) + u" \u00E9\u3053\U0001F4FB", i);
    }
    record.SetSlot(u"CQ CQ DE JA1ABC\r\n<MYCALL> K", 1);
    record.SetSlot(u"", 2);
    record.SetSlot(Text(u"\xD800 lone surrogate"), 53);
    record.SetSlot(u"keep 0", 0);

    SettingsRecord loaded;
    loaded.SetSlot(u"own slot 0", 0);
    ASSERT_EQ(loadSettings(storeSettings(record), loaded).status, LoadStatus::Loaded);
    for (int i = 1; i <= kLastStoredSlot; ++i) EXPECT_EQ(slotText(loaded, i), slotText(record, i));
    EXPECT_EQ(slotText(loaded, 0), u"own slot 0");
    EXPECT_EQ(storeSettings(loaded), storeSettings(record));
}

TEST(QstnArchive, LengthFormsChangeAtTheirBoundaries) {
    struct Case {
        size_t length;
        ByteList lengthBytes;  // after FF FE FF
    };
    const Case cases[] = {
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        SettingsRecord record;
        record.SetSlot(Text(c.length, u'A'), 1);
        const Bytes bytes = storeSettings(record);
        const size_t slotOne = 60;
        const ByteList head(bytes.begin() + slotOne + 3,
                            bytes.begin() + slotOne + 3 + c.lengthBytes.size());
        EXPECT_EQ(head, c.lengthBytes) << c.length;
        EXPECT_EQ(bytes.size(), 438 + 2 * c.length + c.lengthBytes.size() - 1) << c.length;

        SettingsRecord loaded;
        ASSERT_EQ(loadSettings(bytes, loaded).status, LoadStatus::Loaded) << c.length;
        EXPECT_EQ(slotText(loaded, 1), Text(c.length, u'A'));
        EXPECT_TRUE(slotText(loaded, 2).empty());
    }
}

TEST(QstnArchive, ReadsEveryLengthFormOfBothStringKinds) {
    ByteList slots;
    appendNarrow(slots, "COM3");                                             // 8-bit, byte length
    slots.insert(slots.end(), {0xFF, 0x03, 0x00, 'R', 'T', 'S'});            // 8-bit, 16-bit length
    slots.insert(slots.end(), {0xFF, 0xFF, 0xFF, 0x02, 0, 0, 0, 'O', 'K'});  // 8-bit, 32-bit
    slots.insert(slots.end(), {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});   // 8-bit, 64-bit
    appendLittleEndian(slots, 1, 8);
    slots.push_back('Z');
    slots.insert(slots.end(), {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0, 0, 0, 'W', 0});
    slots.insert(slots.end(), {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    appendLittleEndian(slots, 2, 8);
    slots.insert(slots.end(), {'6', 0, '4', 0});

    SettingsRecord record;
    ASSERT_EQ(loadSettings(fileWithSlots(slots, 6), record).status, LoadStatus::Loaded);
    EXPECT_EQ(slotText(record, 1), u"COM3");
    EXPECT_EQ(slotText(record, 2), u"RTS");
    EXPECT_EQ(slotText(record, 3), u"OK");
    EXPECT_EQ(slotText(record, 4), u"Z");
    EXPECT_EQ(slotText(record, 5), u"W");
    EXPECT_EQ(slotText(record, 6), u"64");
    EXPECT_TRUE(slotText(record, 7).empty());
}

// The marker may be 8-bit too, and the end marker may hold anything.
TEST(QstnArchive, EightBitStringsAreConvertedFromTheAnsiCodePage) {
    ByteList bytes;
    appendNarrow(bytes, "<<## Quillstone 107data ##>>");
    appendNarrow(bytes, "\x80 \x9F \xE9 \x81 A");
    for (int i = 1; i <= kStoredSlotCount; ++i) appendWide(bytes, u"");
    SettingsRecord record;
    ASSERT_EQ(loadSettings(bytes, record).status, LoadStatus::Loaded);
    EXPECT_EQ(slotText(record, 1), u"\u20AC \u0178 \u00E9 \u0081 A");

    // Saved again, the text is written in the wide form.
    const Bytes saved = storeSettings(record);
    EXPECT_EQ(ByteList(saved.begin() + 60, saved.begin() + 68),
              (ByteList{0xFF, 0xFE, 0xFF, 9, 0xAC, 0x20, ' ', 0}));
}

TEST(QstnArchive, AnotherFirstStringGivesTheMessageAndANewDocument) {
    for (const Text& first : {Text(u"<<## quillstone 107data ##>>"), Text(u"Hello"), Text()}) {
        ByteList bytes;
        appendWide(bytes, first);
        appendWide(bytes, u"never read");
        SettingsRecord record = numberedRecord();
        const LoadResult result = loadSettings(bytes, record);
        EXPECT_EQ(result.status, LoadStatus::NotSettingsFile);
        EXPECT_EQ(result.message,
                  u"Can't read this fail.\nPls try to open another file or choice [new file]");
        for (int i = 0; i < kSlotCount; ++i) EXPECT_TRUE(slotText(record, i).empty());
        EXPECT_FALSE(record.IsModified());
        EXPECT_TRUE(record.GetPathName().empty());
    }
}

TEST(QstnArchive, ACutShortFileLeavesTheRecordAsItWas) {
    SettingsRecord source;
    source.SetSlot(Text(300, u'M'), 1);
    source.SetSlot(u"COM4", 37);
    const Bytes whole = storeSettings(source);
    for (size_t length = 0; length < whole.size(); ++length) {
        SettingsRecord record = numberedRecord();
        const LoadResult result =
            loadSettings(Bytes(whole.begin(), whole.begin() + length), record);
        ASSERT_TRUE(result.status == LoadStatus::Truncated ||
                    result.status == LoadStatus::LengthBeyondFile)
            << length;
        EXPECT_FALSE(result.message.empty());
        expectUnchanged(record);
    }
}

TEST(QstnArchive, ALengthBeyondTheFileIsRefusedUnallocated) {
    const ByteList hugeLengths[] = {
        {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0xFF},           // wide, 32-bit
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0x40},  // 8-bit, 64-bit
        {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
         0xFF, 0xFF, 0xFF},                    // wide, 64-bit all ones
        {0xFF, 0xFE, 0xFF, 0xFF, 0x00, 0x10},  // wide, 16-bit 4096
    };
    for (const ByteList& length : hugeLengths) {
        ByteList slots = {0xFF, 0xFE, 0xFF, 0x01, 'x', 0};
        slots.insert(slots.end(), length.begin(), length.end());
        SettingsRecord record = numberedRecord();
        const LoadResult result = loadSettings(fileWithSlots(slots, 2), record);
        EXPECT_EQ(result.status, LoadStatus::LengthBeyondFile);
        EXPECT_NE(result.message.find(u"string 3 of 82"), Text::npos);
        expectUnchanged(record);
    }
}

}  // namespace
}  // namespace qs::settings
