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

using test::appendNarrow;
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
    const auto start = [&file] { file.stringStarts.push_back(file.bytes.size()); };
    start();
    appendWide(file.bytes, test::kDataMarkerText);
    for (int i = 1; i <= kStoredSlotCount; ++i) {
        start();
        if (i % 10 == 3) {
            appendNarrow(file.bytes, "COM\x80" + std::to_string(i));
        } else if (i == 7) {
            appendWide(file.bytes, Text(300, u'\u3042'));
        } else if (i % 4 == 0) {
            appendWide(file.bytes, u"");
        } else {
            appendWide(file.bytes, u"slot " + decimalText(i) + u" \u00E9");
        }
    }
    start();
    appendWide(file.bytes, test::kEndMarkerText);
    return file;
}

class Mutator {
public:
    explicit Mutator(const SampleFile& sample) : sample_(sample) {}

    ByteList next() {
        ByteList bytes = sample_.bytes;
        switch (below(7)) {
            case 0:
                flipBits(bytes);
                break;
            case 1:
                bytes.resize(below(bytes.size()));
                break;
            case 2:
                setHugeLength(bytes);
                break;
            case 3:
                overwriteBytes(bytes);
                break;
            case 4:
                bytes = randomFile();
                break;
            case 5:
                insertOrDelete(bytes);
                break;
            default:
                bytes[below(bytes.size())] = 0xFF;
                break;
        }
        return bytes;
    }

private:
    size_t below(size_t bound) { return bound == 0 ? 0 : random_() % bound; }
    std::uint8_t randomByte() { return static_cast<std::uint8_t>(random_()); }

    void flipBits(ByteList& bytes) {
        for (size_t n = 1 + below(4); n > 0; --n) bytes[below(bytes.size())] ^= 1u << below(8);
    }

    // The length of a random string becomes a 32- or 64-bit value far
    // beyond the file, in the wide or the 8-bit form.
    void setHugeLength(ByteList& bytes) {
        const size_t at = sample_.stringStarts[below(sample_.stringStarts.size())];
        ByteList length =
            below(2) ? ByteList{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF} : ByteList{0xFF, 0xFF, 0xFF};
        if (below(2)) {
            test::appendLittleEndian(length, 0x10000000u + random_() % 0xEFFFFFFFu, 4);
        } else {
            length.insert(length.end(), {0xFF, 0xFF, 0xFF, 0xFF});
            test::appendLittleEndian(length, (std::uint64_t{random_()} << 32) | random_(), 8);
        }
        if (bytes.size() < at + length.size()) bytes.resize(at + length.size());
        std::copy(length.begin(), length.end(), bytes.begin() + at);
    }

    void overwriteBytes(ByteList& bytes) {
        const size_t at = below(bytes.size());
        for (size_t n = 1 + below(16); n > 0 && at + n <= bytes.size(); --n) {
            bytes[at + n - 1] = randomByte();
        }
    }

    // Random bytes, half of them behind a valid data marker.
    ByteList randomFile() {
        ByteList bytes;
        if (below(2)) appendWide(bytes, test::kDataMarkerText);
        for (size_t n = below(2000); n > 0; --n) bytes.push_back(randomByte());
        return bytes;
    }

    void insertOrDelete(ByteList& bytes) {
        const size_t at = below(bytes.size());
        const size_t count = 1 + below(8);
        if (below(2)) {
            bytes.erase(bytes.begin() + at, bytes.begin() + std::min(at + count, bytes.size()));
        } else {
            for (size_t n = 0; n < count; ++n) bytes.insert(bytes.begin() + at, randomByte());
        }
    }

    const SampleFile& sample_;
    std::mt19937 random_{20240307};
};

// Every slot holds its number (short texts, so that copying the record per
// round costs no allocation) and any slot a load touched shows.
class RecordBeforeLoad {
public:
    RecordBeforeLoad() {
        for (int i = 0; i < kSlotCount; ++i) record_.SetSlot(decimalText(i), i);
        record_.SetPathName("before.qstn");
        stored_ = record_.storedSlots();
    }

    SettingsRecord copy() const { return record_; }

    bool unchanged(const SettingsRecord& record) const {
        Text slotZero;
        record.GetSlot(slotZero, 0);
        return record.storedSlots() == stored_ && slotZero == u"0" && record.IsModified() &&
               record.GetPathName() == "before.qstn";
    }

private:
    SettingsRecord record_;
    StoredSlots stored_;
};

TEST(QstnArchiveFuzz, DamagedFilesNeverHalfLoadOrOverreach) {
    const SampleFile sample = sampleFile();
    const RecordBeforeLoad before;
    Mutator mutator(sample);
    int loaded = 0, notSettings = 0, refused = 0;
    for (int round = 0; round < 5000; ++round) {
        const ByteList bytes = mutator.next();
        SettingsRecord record = before.copy();
        const LoadResult result = loadSettings(bytes, record);
        switch (result.status) {
            case LoadStatus::Loaded: {
                ++loaded;
                size_t unitsLoaded = 0;
                for (const Text& text : record.storedSlots()) unitsLoaded += text.size();
                ASSERT_LE(unitsLoaded, bytes.size()) << round;
                break;
            }
            case LoadStatus::NotSettingsFile:
                ++notSettings;
                ASSERT_EQ(record.storedSlots(), StoredSlots{}) << round;
                break;
            case LoadStatus::Truncated:
            case LoadStatus::LengthBeyondFile:
                ++refused;
                ASSERT_TRUE(before.unchanged(record)) << round;
                ASSERT_FALSE(result.message.empty());
                break;
            default:
                FAIL() << "unexpected status at round " << round;
        }
    }
    // Every outcome was reached often enough to mean something.
    EXPECT_GT(loaded, 500);
    EXPECT_GT(notSettings, 300);
    EXPECT_GT(refused, 1500);
}

}  // namespace
}  // namespace qs::settings
