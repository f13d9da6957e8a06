// support/text.cpp
#include "support/text.h"

#include <algorithm>
#include <cstring>
#include <new>

Text::Text(const char* zeroTerminated) : Text(std::string_view(zeroTerminated)) {}

Text::Text(const std::string& bytes) : Text(std::string_view(bytes)) {}

Text::Text(std::string_view bytes) {
    CheckLength(bytes.size());
    bytes_.assign(bytes.data(), bytes.size());
}

Text::Text(const char* data, std::uint32_t length) : Text(std::string_view(data, length)) {}

Text::~Text() = default;

void Text::CheckLength(std::size_t length) {
    if (length > kMaxLength) {
        throw std::bad_alloc();
    }
}

Text& Text::Append(std::string_view bytes) {
    CheckLength(bytes_.size() + bytes.size());
    bytes_.append(bytes.data(), bytes.size());
    return *this;
}

Text& Text::Append(const char* data, std::uint32_t length) {
    return Append(std::string_view(data, length));
}

Text& Text::Assign(std::string_view bytes) {
    CheckLength(bytes.size());
    bytes_.assign(bytes.data(), bytes.size());
    return *this;
}

void Text::Erase(std::uint32_t position, std::uint32_t count) {
    if (position < bytes_.size()) {
        bytes_.erase(position, count);
    }
}

std::uint32_t Text::Find(std::string_view needle, std::uint32_t from) const {
    if (from > bytes_.size()) {
        return kNotFound;
    }
    const std::size_t at = View().find(needle, from);
    return at == std::string_view::npos ? kNotFound : static_cast<std::uint32_t>(at);
}

Text Text::Left(std::int32_t count) const {
    return count <= 0 ? Text() : Text(View().substr(0, static_cast<std::uint32_t>(count)));
}

Text Text::Mid(std::int32_t start) const {
    if (start <= 0) {
        return *this;
    }
    return Text(View().substr(std::min(static_cast<std::uint32_t>(start), Length())));
}

Text& Text::MakeLower() {
    for (char& c : bytes_) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return *this;
}

std::int32_t Text::Replace(std::string_view find, std::string_view replacement, std::uint32_t start,
                           bool searchAtInsertion) {
    if (find.empty()) {
        return 0;
    }
    searchAtInsertion = searchAtInsertion && replacement.find(find) == std::string_view::npos;
    std::int32_t replaced = 0;
    std::uint32_t position = start;
    for (;;) {
        const std::uint32_t match = Find(find, position);
        if (match == kNotFound) {
            return replaced;
        }
        CheckLength(bytes_.size() - find.size() + replacement.size());
        bytes_.replace(match, find.size(), replacement.data(), replacement.size());
        ++replaced;
        position =
            searchAtInsertion ? match : match + static_cast<std::uint32_t>(replacement.size());
    }
}

std::int32_t Text::ReplaceAll(std::string_view find, std::string_view replacement,
                              std::uint32_t start) {
    return Replace(find, replacement, start, false);
}

std::int32_t Text::ReplaceRepeatedly(std::string_view find, std::string_view replacement,
                                     std::uint32_t start) {
    return Replace(find, replacement, start, true);
}

std::int32_t Text::CopyTo(char* buffer, std::int32_t capacity) const {
    if (capacity <= 0) {
        return 0;
    }
    const std::uint32_t count = std::min(static_cast<std::uint32_t>(capacity), Length());
    if (count > 0) {
        std::memcpy(buffer, bytes_.data(), count);
    }
    return static_cast<std::int32_t>(count);
}

std::uint32_t Text::Count(const char* separator) const {
    const std::string_view needle(separator);
    if (needle.empty()) {
        return 0;
    }
    std::uint32_t count = 0;
    for (std::uint32_t at = Find(needle, 0); at != kNotFound;
         at = Find(needle, at + static_cast<std::uint32_t>(needle.size()))) {
        ++count;
    }
    return count;
}

bool Text::FieldStart(const char* separator, std::int32_t index, std::uint32_t& start) const {
    std::int64_t field = index;
    if (field < 0) {
        field += static_cast<std::int64_t>(Count(separator)) + 1;
        if (field < 0) {
            return false;
        }
    }
    const std::string_view needle(separator);
    if (needle.empty()) {
        start = 0;
        return true;
    }
    std::uint32_t position = 0;
    for (std::int64_t i = 0; i < field; ++i) {
        const std::uint32_t at = Find(needle, position);
        if (at == kNotFound) {
            return false;
        }
        position = at + static_cast<std::uint32_t>(needle.size());
    }
    start = position;
    return true;
}

bool Text::FieldBounds(const char* separator, std::int32_t index, std::uint32_t& start,
                       std::uint32_t& end) const {
    if (!FieldStart(separator, index, start)) {
        return false;
    }
    const std::uint32_t next = Find(separator, start);
    end = next == kNotFound ? Length() : next;
    return true;
}

Text Text::TakeField(const char* separator, std::int32_t index) {
    std::uint32_t start = 0;
    std::uint32_t end = 0;
    if (!FieldBounds(separator, index, start, end)) {
        return Text();
    }
    Text field(View().substr(start, end - start));
    const std::size_t removeEnd = std::min<std::size_t>(
        static_cast<std::size_t>(end) + std::strlen(separator), bytes_.size());
    bytes_.erase(start, removeEnd - start);
    return field;
}

Text Text::operator+(const char* zeroTerminated) const {
    Text joined(*this);
    joined.Append(std::string_view(zeroTerminated));
    return joined;
}
