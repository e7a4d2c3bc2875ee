#pragma once

#include "shell/layer/RuntimeError.h"

#include <array>
#include <string>

// A fixed array whose every index is tested: one outside 0..Size-1 is a
// "Subscript out of range" error, never a read or write past the end.
template <class T, int Size>
class CheckedArray {
public:
    static constexpr int lowerBound = 0;
    static constexpr int upperBound = Size - 1;

    T &operator()(int index) { return m_items[checkedIndex(index)]; }
    const T &operator()(int index) const { return m_items[checkedIndex(index)]; }

private:
    static std::size_t checkedIndex(int index)
    {
        if (index < lowerBound || index > upperBound)
            throw RuntimeError(ErrorKind::SubscriptOutOfRange, "index " + std::to_string(index) + " is outside "
                                   + std::to_string(lowerBound) + ".." + std::to_string(upperBound));
        return static_cast<std::size_t>(index);
    }

    std::array<T, Size> m_items{};
};
