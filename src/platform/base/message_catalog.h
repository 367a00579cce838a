// A compiled gettext catalog (a .mo file, as msgfmt writes it): each original text beside its
// translation. Every offset and length in the data is checked when it is read, so a damaged
// catalog is refused whole instead of handing out texts that run past its end.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <unordered_map>

class MessageCatalog {
public:
    // The catalog in data, which must outlive it; nothing when data is not a whole catalog.
    static std::optional<MessageCatalog> Read(const unsigned char* data, size_t size);

    // The translation of text, or null when the catalog has none. The header entry (the empty
    // text) is never a translation.
    const char* Find(std::string_view text) const;

    size_t Size() const { return m_translations.size(); }

private:
    std::unordered_map<std::string_view, const char*> m_translations;
};
