#include "fuzz/StoreFuzzEntry.h"

#include "platform/PropertyList.h"

#include <cstdlib>
#include <string_view>
#include <vector>

void fuzzStoreReading(const std::uint8_t* data, std::size_t size) {
    using platform::PropertyList;
    const auto require = [](bool condition) { condition ? void() : std::abort(); };
    const std::vector<char> bytes(data, data + size);
    PropertyList::Error error;
    auto list = PropertyList::parse(bytes, &error);
    if (!list) {
        // Every refusal is explained in the line the store writes.
        require(!error.description.empty());
        return;
    }
    // Nothing large or deep ever reaches libplist's reader.
    require(size <= PropertyList::maxBytes);
    require(PropertyList::nestingDepth(std::string_view(bytes.data(), bytes.size())) <=
            PropertyList::maxDepth);

    // What was read is written back and reads again as the same entries: a store that saves
    // what it cannot load would lose the user's answers at the next start.
    const auto keys = list->keys();
    require(keys.size() == list->size());
    const auto xml = list->toXml(&error);
    require(xml.has_value());
    const auto again = PropertyList::parse(std::vector<char>(xml->begin(), xml->end()), &error);
    require(again.has_value() && again->keys() == keys);
    for (const auto& key : keys) {
        require(list->contains(key));
        require(again->boolValue(key) == list->boolValue(key));
        require(again->integerValue(key) == list->integerValue(key));
        require(again->stringValue(key) == list->stringValue(key));
    }

    // The store's own writes keep the root a dictionary.
    list->setString("DeviceUniqueID", "id");
    list->setInteger("EULAStatus", 1);
    list->remove("lastCheckOTADate");
    require(list->isDictionary() && list->integerValue("EULAStatus") == 1);
}
