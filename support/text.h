// support/text.h
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

// A counted byte string. Any byte may occur, zero included, and the bytes are always followed
// by one terminating zero. Copies are independent values; a copy of a path-sized Text is one
// small allocation and a memcpy (bench/text_copy_bench measures it against sharing).
class Text {
public:
    static constexpr std::uint32_t kNotFound = 0xFFFFFFFFu;
    static constexpr std::uint32_t kMaxLength = 0xFFFFFFFDu;

    Text() = default;
    Text(const char* zeroTerminated);
    Text(const std::string& bytes);
    Text(std::string_view bytes);
    Text(const char* data, std::uint32_t length);
    Text(const Text&) = default;
    Text(Text&&) noexcept = default;
    Text& operator=(const Text&) = default;
    Text& operator=(Text&&) noexcept = default;
    virtual ~Text();

    // The underlying byte string's operations.
    std::uint32_t Length() const { return static_cast<std::uint32_t>(bytes_.size()); }
    bool IsEmpty() const { return bytes_.empty(); }
    const char* CStr() const { return bytes_.c_str(); }
    const char* Data() const { return bytes_.data(); }
    std::string_view View() const { return bytes_; }
    const std::string& Bytes() const { return bytes_; }
    char operator[](std::uint32_t position) const { return bytes_[position]; }

    Text& Append(std::string_view bytes);
    Text& Append(const char* data, std::uint32_t length);
    Text& operator+=(std::string_view bytes) { return Append(bytes); }
    Text& Assign(std::string_view bytes);
    void Clear() { bytes_.clear(); }
    // Removes count bytes from position on, clamped to the end.
    void Erase(std::uint32_t position, std::uint32_t count);

    // First position >= from at which needle occurs; an empty needle occurs at from when
    // from <= Length(). kNotFound otherwise.
    std::uint32_t Find(std::string_view needle, std::uint32_t from = 0) const;
    friend bool operator==(const Text& a, const Text& b) { return a.bytes_ == b.bytes_; }
    friend bool operator==(const Text& a, const char* b) { return a.View() == b; }

    Text Left(std::int32_t count) const;
    Text Mid(std::int32_t start) const;
    Text& MakeLower();

    // Both replaces need a non-empty find; with an empty one they replace nothing and answer 0.
    // ReplaceRepeatedly searches again where it inserted, so runs collapse. A replacement that
    // contains find would make that search match its own insertion forever; then it searches on
    // after the insertion instead, exactly as ReplaceAll does.
    std::int32_t ReplaceAll(std::string_view find, std::string_view replacement,
                            std::uint32_t start);
    std::int32_t ReplaceRepeatedly(std::string_view find, std::string_view replacement,
                                   std::uint32_t start);

    // Copies min(capacity, Length()) bytes, without a terminating zero; nothing for capacity <= 0.
    std::int32_t CopyTo(char* buffer, std::int32_t capacity) const;

    // Non-overlapping occurrences from position 0; 0 for an empty separator.
    std::uint32_t Count(const char* separator) const;

    // Fields divided by separator: field 0 starts at 0, field i right after the i-th separator.
    // A negative index counts from the end (-1 is the field after the last separator).
    bool FieldStart(const char* separator, std::int32_t index, std::uint32_t& start) const;
    bool FieldBounds(const char* separator, std::int32_t index, std::uint32_t& start,
                     std::uint32_t& end) const;
    // Removes the field and the separator after it and returns the field; on failure returns an
    // empty Text and leaves this one unchanged.
    Text TakeField(const char* separator, std::int32_t index);

    Text operator+(const char* zeroTerminated) const;

private:
    static void CheckLength(std::size_t length);
    std::int32_t Replace(std::string_view find, std::string_view replacement, std::uint32_t start,
                         bool searchAtInsertion);

    std::string bytes_;
};

// Whether a and b are the same but for the case of ASCII letters, the one comparison of names and
// paths that ignores case; for our bytes and for the system's UTF-16 units alike.
template <typename Char>
bool EqualsNoCase(std::basic_string_view<Char> a, std::string_view b) {
    const auto fold = [](unsigned unit) {
        return unit >= 'A' && unit <= 'Z' ? unit + ('a' - 'A') : unit;
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [&fold](Char x, char y) {
        return fold(static_cast<std::make_unsigned_t<Char>>(x)) ==
               fold(static_cast<unsigned char>(y));
    });
}
