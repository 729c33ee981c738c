#include "dialog_template.h"

namespace kelvd::test {

namespace {

// Little-endian fields read in order; once a read would pass the end, every later read fails too.
class Reader {
public:
    Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool ok() const { return ok_; }
    bool AtEnd() const { return offset_ == size_; }

    uint8_t Byte() { return static_cast<uint8_t>(Number(1)); }
    uint16_t Word() { return static_cast<uint16_t>(Number(2)); }
    uint32_t Dword() { return Number(4); }
    int16_t Short() { return static_cast<int16_t>(Word()); }

    // A zero-terminated UTF-16 text; units above 0xFF become '?'.
    std::string Text() {
        std::string text;
        for (uint16_t unit = Word(); ok_ && unit != 0; unit = Word())
            text += unit > 0xFF ? '?' : static_cast<char>(unit);
        return text;
    }

    // A text, nothing (0), or a number (0xFFFF followed by the number).
    std::string TextOrNumber(bool classAtom) {
        if (!Peek(2))
            return {};
        const uint16_t first = static_cast<uint16_t>(data_[offset_] | data_[offset_ + 1] << 8);
        if (first != 0xFFFF)
            return Text();
        Word();
        const uint16_t number = Word();
        if (classAtom && number >= 0x80 && number <= 0x85) {
            static const char* const kPredefined[] = {"Button",  "Edit",      "Static",
                                                      "ListBox", "ScrollBar", "ComboBox"};
            return kPredefined[number - 0x80];
        }
        return "#" + std::to_string(number);
    }

    std::string Bytes(size_t count) {
        if (!Peek(count))
            return {};
        std::string bytes(reinterpret_cast<const char*>(data_ + offset_), count);
        offset_ += count;
        return bytes;
    }

    void AlignToDword() {
        const size_t padding = (4 - offset_ % 4) % 4;
        if (offset_ + padding <= size_)
            offset_ += padding;
    }

private:
    bool Peek(size_t count) {
        if (ok_ && count > size_ - offset_)
            ok_ = false;
        return ok_;
    }
    uint32_t Number(size_t bytes) {
        if (!Peek(bytes))
            return 0;
        uint32_t value = 0;
        for (size_t i = 0; i < bytes; ++i)
            value |= static_cast<uint32_t>(data_[offset_ + i]) << (8 * i);
        offset_ += bytes;
        return value;
    }

    const uint8_t* data_;
    size_t size_;
    size_t offset_ = 0;
    bool ok_ = true;
};

constexpr uint32_t kSetFont = 0x40; // DS_SETFONT, also part of DS_SHELLFONT

void ReadRectangle(Reader& in, int16_t* x, int16_t* y, int16_t* cx, int16_t* cy) {
    *x = in.Short();
    *y = in.Short();
    *cx = in.Short();
    *cy = in.Short();
}

DialogItem ReadItem(Reader& in) {
    DialogItem item;
    in.AlignToDword();
    item.helpId = in.Dword();
    item.exStyle = in.Dword();
    item.style = in.Dword();
    ReadRectangle(in, &item.x, &item.y, &item.cx, &item.cy);
    item.id = static_cast<int32_t>(in.Dword());
    item.windowClass = in.TextOrNumber(true);
    item.text = in.TextOrNumber(false);
    item.extraSize = in.Word();
    in.Bytes(item.extraSize);
    return item;
}

} // namespace

bool DecodeDialogTemplate(const uint8_t* data, size_t size, DialogTemplate* out) {
    Reader in(data, size);
    DialogTemplate dialog;
    if (in.Word() != 1 || in.Word() != 0xFFFF)
        return false;
    dialog.helpId = in.Dword();
    dialog.exStyle = in.Dword();
    dialog.style = in.Dword();
    const uint16_t count = in.Word();
    ReadRectangle(in, &dialog.x, &dialog.y, &dialog.cx, &dialog.cy);
    dialog.menu = in.TextOrNumber(false);
    dialog.windowClass = in.TextOrNumber(false);
    dialog.caption = in.Text();
    if (dialog.style & kSetFont) {
        dialog.pointSize = in.Word();
        dialog.weight = in.Word();
        dialog.italic = in.Byte();
        dialog.charset = in.Byte();
        dialog.typeface = in.Text();
    }
    for (uint16_t i = 0; i < count && in.ok(); ++i)
        dialog.items.push_back(ReadItem(in));
    if (!in.ok())
        return false;
    *out = dialog;
    return true;
}

bool DecodeDialogInit(const uint8_t* data, size_t size, std::vector<DialogInitRecord>* out) {
    Reader in(data, size);
    std::vector<DialogInitRecord> records;
    for (uint16_t control = in.Word(); in.ok() && control != 0; control = in.Word()) {
        DialogInitRecord record;
        record.control = control;
        record.message = in.Word();
        record.data = in.Bytes(in.Dword());
        records.push_back(record);
    }
    if (!in.ok() || !in.AtEnd())
        return false;
    *out = records;
    return true;
}

} // namespace kelvd::test
