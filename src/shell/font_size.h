#pragma once

namespace kalmira {

// The font commands move Beall.BetuMeret one step within 8 to 10; a size
// already at the edge stays as it is.
inline constexpr int LegkisebbBetu = 8;
inline constexpr int LegnagyobbBetu = 10;

inline int BetuNovel(int size)
{
    return size >= LegnagyobbBetu ? size : size + 1;
}

inline int BetuCsokkent(int size)
{
    return size <= LegkisebbBetu ? size : size - 1;
}

} // namespace kalmira
