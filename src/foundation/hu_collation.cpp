#include "foundation/hu_collation.h"

#include <QChar>
#include <QList>
#include <QString>

#include <sqlite3.h>

#include <algorithm>
#include <vector>

namespace kalmira {
namespace {

// Primary weights: punctuation and digits by code point, then the Hungarian
// letters (two slots per letter so that digraphs sit right after their first
// letter), then everything else by code point.
constexpr int kLetterBase = 0x200;
constexpr int kOtherBase = 0x400;

struct Weight
{
    int primary;
    int secondary; // 0 plain, 1 acute, 2 double acute or umlaut, 3 other marks
};

int letterSlot(char32_t lower)
{
    if (lower >= U'a' && lower <= U'z')
        return kLetterBase + int(lower - U'a') * 4;
    return -1;
}

// Folds a lower-case code point into its Hungarian letter and accent level.
Weight single(char32_t c)
{
    switch (c) {
    case U'á': return {letterSlot(U'a'), 1};
    case U'é': return {letterSlot(U'e'), 1};
    case U'í': return {letterSlot(U'i'), 1};
    case U'ó': return {letterSlot(U'o'), 1};
    case U'ö': return {letterSlot(U'o') + 2, 0};
    case U'ő': return {letterSlot(U'o') + 2, 1};
    case U'ú': return {letterSlot(U'u'), 1};
    case U'ü': return {letterSlot(U'u') + 2, 0};
    case U'ű': return {letterSlot(U'u') + 2, 1};
    default: break;
    }
    if (const int slot = letterSlot(c); slot >= 0)
        return {slot, 0};
    if (c < 0x80)
        return {int(c), 0};
    // Other accented Latin letters sort with their base letter.
    const QString decomposed = QChar::decomposition(c);
    if (!decomposed.isEmpty()) {
        const int slot = letterSlot(decomposed.at(0).toLower().unicode());
        if (slot >= 0)
            return {slot, 3};
    }
    return {kOtherBase + int(c), 0};
}

// The second letters of the digraphs: c+s, d+z, d+zs, g+y, l+y, n+y, s+z, t+y, z+s.
int digraphLength(const char32_t *s, size_t n)
{
    if (n < 2)
        return 1;
    const char32_t a = s[0], b = s[1];
    if (a == U'd' && b == U'z')
        return (n >= 3 && s[2] == U's') ? 3 : 2;
    const bool two = (a == U'c' && b == U's') || (a == U'g' && b == U'y')
                     || (a == U'l' && b == U'y') || (a == U'n' && b == U'y')
                     || (a == U's' && b == U'z') || (a == U't' && b == U'y')
                     || (a == U'z' && b == U's');
    return two ? 2 : 1;
}

Weight digraphWeight(const char32_t *s, int length)
{
    const int slot = letterSlot(s[0]);
    return {slot + (length == 3 ? 2 : 1), 0};
}

void weigh(const std::vector<char32_t> &text, std::vector<Weight> &out)
{
    out.clear();
    const size_t n = text.size();
    for (size_t i = 0; i < n;) {
        const char32_t *at = text.data() + i;
        // A doubled digraph is written with its first letter doubled: "ssz" = "sz" + "sz".
        if (i + 2 < n && at[0] == at[1] && digraphLength(at + 1, n - i - 1) > 1) {
            const int length = digraphLength(at + 1, n - i - 1);
            const Weight w = digraphWeight(at + 1, length);
            out.push_back(w);
            out.push_back(w);
            i += size_t(length) + 1;
            continue;
        }
        const int length = digraphLength(at, n - i);
        out.push_back(length > 1 ? digraphWeight(at, length) : single(at[0]));
        i += size_t(length);
    }
}

char32_t lower(char32_t c)
{
    if (c < 0x80)
        return (c >= U'A' && c <= U'Z') ? c + 32 : c;
    return QChar::toLower(c);
}

void decodeUtf8(const char *s, int length, std::vector<char32_t> &out)
{
    out.clear();
    const auto *p = reinterpret_cast<const unsigned char *>(s);
    const auto *end = p + length;
    while (p < end) {
        char32_t c = *p++;
        int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        if (extra)
            c &= (0x3F >> extra);
        while (extra-- > 0 && p < end)
            c = (c << 6) | (*p++ & 0x3F);
        out.push_back(lower(c));
    }
}

void decodeUtf16(QStringView s, std::vector<char32_t> &out)
{
    out.clear();
    for (char32_t c : s.toUcs4())
        out.push_back(lower(c));
}

int compareWeights(const std::vector<Weight> &a, const std::vector<Weight> &b)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i)
        if (a[i].primary != b[i].primary)
            return a[i].primary < b[i].primary ? -1 : 1;
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    for (size_t i = 0; i < n; ++i)
        if (a[i].secondary != b[i].secondary)
            return a[i].secondary < b[i].secondary ? -1 : 1;
    return 0;
}

struct Scratch
{
    std::vector<char32_t> textA, textB;
    std::vector<Weight> weightA, weightB;
};

Scratch &scratch()
{
    thread_local Scratch s;
    return s;
}

int collate(void *, int aLength, const void *a, int bLength, const void *b)
{
    return huCompareUtf8(static_cast<const char *>(a), aLength, static_cast<const char *>(b),
                         bLength);
}

} // namespace

int huCompareUtf8(const char *a, int aLength, const char *b, int bLength)
{
    Scratch &s = scratch();
    decodeUtf8(a, aLength, s.textA);
    decodeUtf8(b, bLength, s.textB);
    weigh(s.textA, s.weightA);
    weigh(s.textB, s.weightB);
    return compareWeights(s.weightA, s.weightB);
}

int huCompare(QStringView a, QStringView b)
{
    Scratch &s = scratch();
    decodeUtf16(a, s.textA);
    decodeUtf16(b, s.textB);
    weigh(s.textA, s.weightA);
    weigh(s.textB, s.weightB);
    return compareWeights(s.weightA, s.weightB);
}

bool registerHuCollation(sqlite3 *handle)
{
    return sqlite3_create_collation_v2(handle, "HU_CI", SQLITE_UTF8, nullptr, collate, nullptr)
           == SQLITE_OK;
}

} // namespace kalmira
