#include "settings/qstn_archive.h"

#include <string_view>
#include <utility>

namespace qs::settings {

namespace {

constexpr std::uint64_t kWideTag = 0xFFFE;

enum class ReadError { None, Truncated, LengthBeyondFile };

// Reads archive strings from a byte buffer; never reads past its end.
class ArchiveReader {
public:
    ArchiveReader(const Bytes& bytes, const AnsiDecoder& decodeAnsi)
        : bytes_(bytes), decodeAnsi_(decodeAnsi) {}

    ReadError readString(Text& out);

private:
    size_t remaining() const { return bytes_.size() - pos_; }
    bool readUnsigned(size_t byteCount, std::uint64_t& value);
    bool readLength(std::uint64_t& count, bool& wide);

    const Bytes& bytes_;
    const AnsiDecoder& decodeAnsi_;
    size_t pos_ = 0;
};

// Little-endian unsigned of 1, 2, 4 or 8 bytes.
bool ArchiveReader::readUnsigned(size_t byteCount, std::uint64_t& value) {
    if (remaining() < byteCount) return false;
    value = 0;
    for (size_t i = byteCount; i-- > 0;) value = (value << 8) | bytes_[pos_ + i];
    pos_ += byteCount;
    return true;
}

// The stepped length: one byte; at 0xFF 16 bits; at 0xFFFF 32 bits; at
// 0xFFFFFFFF 64 bits. A 16-bit 0xFFFE right after the first 0xFF is the
// wide-string tag, after which the length starts over at one byte.
bool ArchiveReader::readLength(std::uint64_t& count, bool& wide) {
    wide = false;
    if (!readUnsigned(1, count)) return false;
    if (count < 0xFF) return true;
    if (!readUnsigned(2, count)) return false;
    if (count == kWideTag) {
        wide = true;
        if (!readUnsigned(1, count)) return false;
        if (count < 0xFF) return true;
        if (!readUnsigned(2, count)) return false;
    }
    if (count < 0xFFFF) return true;
    if (!readUnsigned(4, count)) return false;
    if (count < 0xFFFFFFFF) return true;
    return readUnsigned(8, count);
}

ReadError ArchiveReader::readString(Text& out) {
    std::uint64_t count = 0;
    bool wide = false;
    if (!readLength(count, wide)) return ReadError::Truncated;
    const size_t unitBytes = wide ? 2 : 1;
    if (count > remaining() / unitBytes) return ReadError::LengthBeyondFile;
    const auto units = static_cast<size_t>(count);
    const std::uint8_t* data = bytes_.data() + pos_;
    if (wide) {
        out.resize(units);
        char16_t* unit = out.data();
        for (const std::uint8_t* end = data + 2 * units; data != end; data += 2) {
            *unit++ = static_cast<char16_t>(data[0] | (data[1] << 8));
        }
    } else {
        out = decodeAnsi_(std::string_view(reinterpret_cast<const char*>(data), units));
    }
    pos_ += units * unitBytes;
    return ReadError::None;
}

void writeUnsigned(Bytes& out, std::uint64_t value, size_t byteCount) {
    for (size_t i = 0; i < byteCount; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void writeWideString(Bytes& out, TextView text) {
    writeUnsigned(out, 0xFF, 1);
    writeUnsigned(out, kWideTag, 2);
    const std::uint64_t count = text.size();
    if (count < 0xFF) {
        writeUnsigned(out, count, 1);
    } else if (count < 0xFFFE) {
        writeUnsigned(out, 0xFF, 1);
        writeUnsigned(out, count, 2);
    } else {
        writeUnsigned(out, 0xFF, 1);
        writeUnsigned(out, 0xFFFF, 2);
        if (count < 0xFFFFFFFF) {
            writeUnsigned(out, count, 4);
        } else {
            writeUnsigned(out, 0xFFFFFFFF, 4);
            writeUnsigned(out, count, 8);
        }
    }
    for (const char16_t unit : text) writeUnsigned(out, unit, 2);
}

// `stringNumber` counts the file's strings from 1 (the data marker).
LoadResult damaged(ReadError error, int stringNumber) {
    const Text where =
        u"string " + decimalText(stringNumber) + u" of " + decimalText(kArchiveStringCount);
    const Text unchanged = u".\nThe settings were not changed.";
    if (error == ReadError::Truncated) {
        return {LoadStatus::Truncated,
                u"This settings file is cut short: it ends inside " + where + unchanged};
    }
    return {LoadStatus::LengthBeyondFile, u"This settings file is damaged: " + where +
                                              u" claims more characters than the file holds" +
                                              unchanged};
}

}  // namespace

Bytes storeSettings(const SettingsRecord& record) {
    Bytes out;
    writeWideString(out, kDataMarker);
    Text text;
    for (int index = kFirstStoredSlot; index <= kLastStoredSlot; ++index) {
        record.GetSlot(text, index);
        writeWideString(out, text);
    }
    writeWideString(out, kEndMarker);
    return out;
}

LoadResult loadSettings(const Bytes& bytes, SettingsRecord& record, const AnsiDecoder& decodeAnsi) {
    ArchiveReader reader(bytes, decodeAnsi);
    Text marker;
    if (const ReadError error = reader.readString(marker); error != ReadError::None) {
        return damaged(error, 1);
    }
    if (marker != kDataMarker) {
        record.OnNewDocument();
        return {LoadStatus::NotSettingsFile, kNotSettingsFileMessage};
    }
    StoredSlots slots;
    for (int i = 0; i < kStoredSlotCount; ++i) {
        if (const ReadError error = reader.readString(slots[i]); error != ReadError::None) {
            return damaged(error, i + 2);
        }
    }
    // The end marker must be there, but its content is not checked.
    if (const ReadError error = reader.readString(marker); error != ReadError::None) {
        return damaged(error, kArchiveStringCount);
    }
    record.replaceStoredSlots(std::move(slots));
    return {};
}

}  // namespace qs::settings
