// Damaged settings files by the thousand: bit flips, truncations, huge
// lengths, overwritten, inserted and deleted bytes, and random files. The
// reader must never crash, never leave a half-loaded record and never hold
// strings larger than the file.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "settings/qstn_archive.h"
#include "tests/settings/archive_bytes.h"

namespace qs::settings {
namespace {

using test::appendLittleEndian;
using test::appendWide;
using test::ByteList;

struct SampleFile {
    ByteList bytes;
    std::vector<size_t> stringStarts;
};

// Every kind of string the reader meets: empty, short, non-ASCII, long
// enough for the 16-bit length, and 8-bit.
SampleFile sampleFile() {
    SampleFile file;
    for (int i = 0; i <= kStoredSlotCount + 1; ++i) {
        file.stringStarts.push_back(file.bytes.size());
        if (i == 0) {
            appendWide(file.bytes, test::kDataMarkerText);
        } else if (i == kStoredSlotCount + 1) {
            appendWide(file.bytes, test::kEndMarkerText);
        } else if (i % 10 == 3) {
            test::appendNarrow(file.bytes, "COM\x80" + std::to_string(i));
        } else if (i == 7) {
            appendWide(file.bytes, Text(300, u'\u3042'));
        } else {
            appendWide(file.bytes, i % 4 == 0 ? u"" : u"slot " + decimalText(i) + u" \u00E9");
        }
    }
    return file;
}

class Mutator {
  public:
    explicit Mutator(const SampleFile& sample) : sample_(sample) {}

    ByteList next() {
        ByteList bytes = sample_.bytes;
        const size_t at = below(bytes.size());
        switch (below(6)) {
            case 0:  // a few bit flips
                for (size_t n = 1 + below(4); n > 0; --n)
                    bytes[below(bytes.size())] ^= 1u << below(8);
                break;
            case 1:
                bytes.resize(at);
                break;
            case 2:
                setHugeLength(bytes);
                break;
            case 3:  // up to 16 bytes overwritten
                for (size_t n = at; n < std::min(at + 1 + below(16), bytes.size()); ++n) {
                    bytes[n] = randomByte();
                }
                break;
            case 4:  // random bytes, half of them behind a valid data marker
                bytes.clear();
                if (below(2)) appendWide(bytes, test::kDataMarkerText);
                for (size_t n = below(2000); n > 0; --n) bytes.push_back(randomByte());
                break;
            default:  // up to 8 bytes inserted or deleted
                if (below(2)) {
                    bytes.erase(bytes.begin() + at,
                                bytes.begin() + std::min(at + 1 + below(8), bytes.size()));
                } else {
                    bytes.insert(bytes.begin() + at, 1 + below(8), randomByte());
                }
                break;
        }
        return bytes;
    }

  private:
    size_t below(size_t bound) { return bound == 0 ? 0 : random_() % bound; }
    std::uint8_t randomByte() { return static_cast<std::uint8_t>(random_()); }

    // The length of a random string becomes a 32- or 64-bit value far
    // beyond the file, in the wide or the 8-bit form.
    void setHugeLength(ByteList& bytes) {
        const size_t at = sample_.stringStarts[below(sample_.stringStarts.size())];
        ByteList length =
            below(2) ? ByteList{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF} : ByteList{0xFF, 0xFF, 0xFF};
        if (below(2)) {
            appendLittleEndian(length, 0x10000000u + random_() % 0xEFFFFFFFu, 4);
        } else {
            length.insert(length.end(), {0xFF, 0xFF, 0xFF, 0xFF});
            appendLittleEndian(length, (std::uint64_t{random_()} << 32) | random_(), 8);
        }
        if (bytes.size() < at + length.size()) bytes.resize(at + length.size());
        std::copy(length.begin(), length.end(), bytes.begin() + at);
    }

    const SampleFile& sample_;
    std::mt19937 random_{20240307};
};

TEST(QstnArchiveFuzz, DamagedFilesNeverHalfLoadOrOverreach) {
    // Every slot holds its number (short texts, so that copying the record
    // per round costs no allocation) and any slot a load touched shows.
    SettingsRecord before;
    for (int i = 0; i < kSlotCount; ++i) before.SetSlot(decimalText(i), i);
    before.SetPathName("before.qstn");

    const SampleFile sample = sampleFile();
    Mutator mutator(sample);
    int loaded = 0, notSettings = 0, refused = 0;
    for (int round = 0; round < 5000; ++round) {
        const ByteList bytes = mutator.next();
        SettingsRecord record = before;
        const LoadResult result = loadSettings(bytes, record);
        if (result.status == LoadStatus::Loaded) {
            ++loaded;
            size_t unitsLoaded = 0;
            for (const Text& text : record.storedSlots()) unitsLoaded += text.size();
            ASSERT_LE(unitsLoaded, bytes.size()) << round;
        } else if (result.status == LoadStatus::NotSettingsFile) {
            ++notSettings;
            ASSERT_EQ(record.storedSlots(), StoredSlots{}) << round;
        } else {
            ++refused;
            ASSERT_TRUE(result.status == LoadStatus::Truncated ||
                        result.status == LoadStatus::LengthBeyondFile)
                << round;
            Text slotZero;
            record.GetSlot(slotZero, 0);
            ASSERT_TRUE(record.storedSlots() == before.storedSlots() && slotZero == u"0" &&
                        record.IsModified() && record.GetPathName() == "before.qstn")
                << round;
            ASSERT_FALSE(result.message.empty());
        }
    }
    // Every outcome was reached often enough to mean something.
    EXPECT_GT(loaded, 500);
    EXPECT_GT(notSettings, 300);
    EXPECT_GT(refused, 1500);
}

}  // namespace
}  // namespace qs::settings
