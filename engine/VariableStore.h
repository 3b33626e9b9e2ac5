#pragma once
// One typed store of script variables. Element 0 is an unnamed record that is
// never listed, so an empty name is always found (at 0); variables follow in
// the order of their creation. Names are found in constant average time.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace ombrelt {

struct StringVariable {
    std::string Name;
    std::string Value;
};

struct LongVariable {
    std::string Name;
    std::int32_t Value = 0;
};

struct DoubleVariable {
    std::string Name;
    double Value = 0.0;
};

// FNV-1a over the name's bytes: names are short, so this is cheaper than the
// standard string hash, and the table hashes at every size (the standard one
// switches from a linear scan to hashing as it grows, which made a statement
// dearer with many variables than with few).
struct VariableNameHash {
    std::size_t operator()(const std::string& name) const noexcept {
        std::uint64_t h = 14695981039346656037ull;
        for (unsigned char c : name) h = (h ^ c) * 1099511628211ull;
        return static_cast<std::size_t>(h ^ (h >> 32));
    }
};

template <class Record>
class VariableStore {
public:
    using ValueType = decltype(Record::Value);

    VariableStore() { Reset(); }

    // Back to element 0 alone.
    void Reset() {
        items_.assign(1, Record{});
        index_.clear();
        index_.emplace(std::string(), 0);
    }

    // Index of the variable of that exact name, 0 for the empty name, -1 when absent.
    std::int32_t Find(const std::string& name) const {
        auto it = index_.find(name);
        return it == index_.end() ? -1 : it->second;
    }

    // Appends a new variable; the caller has checked that the name is absent.
    void Append(const std::string& name, ValueType value) {
        index_.emplace(name, static_cast<std::int32_t>(items_.size()));
        items_.push_back(Record{name, std::move(value)});
    }

    std::int32_t Count() const { return static_cast<std::int32_t>(items_.size()) - 1; }
    Record& operator[](std::int32_t i) { return items_[static_cast<std::size_t>(i)]; }
    const Record& operator[](std::int32_t i) const { return items_[static_cast<std::size_t>(i)]; }

private:
    std::vector<Record> items_;
    std::unordered_map<std::string, std::int32_t, VariableNameHash> index_;
};

}  // namespace ombrelt
