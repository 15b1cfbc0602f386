// Reads the numbers of one .x data object in order, checking each against what the
// object actually holds before anything is sized from it.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace d3dx9::xfile {

class Values {
public:
    explicit Values(const std::vector<double>& numbers) : numbers_(numbers) {}

    size_t Left() const { return numbers_.size() - at_; }

    // A count of items that take at least numbersEach numbers each: false when the rest
    // of the object cannot hold that many.
    bool Count(uint32_t& count, size_t numbersEach)
    {
        if (!Whole(count)) return false;
        return numbersEach == 0 || uint64_t(count) * numbersEach <= Left();
    }

    // An index below limit.
    bool Index(uint32_t& index, uint32_t limit) { return Whole(index) && index < limit; }

    // The tokeniser keeps every number within float range.
    bool Float(float& value)
    {
        if (Left() == 0) return false;
        value = float(numbers_[at_++]);
        return true;
    }

private:
    bool Whole(uint32_t& value)
    {
        if (Left() == 0) return false;
        double number = numbers_[at_++];
        if (!(number >= 0.0 && number <= 4294967295.0) || number != double(uint32_t(number))) return false;
        value = uint32_t(number);
        return true;
    }

    const std::vector<double>& numbers_;
    size_t at_ = 0;
};

// Template names compare without regard to case: exporters write "TextureFileName" too.
inline bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = char(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = char(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

}  // namespace d3dx9::xfile
