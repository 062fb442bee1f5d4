// Scan word tables of the controller.
//
// A row tells the controller how to light one frame: it is a sequence of S_Fn sub-frames,
// one 16-bit word each, followed by zero words. A word is
//     bits 15..12  the grey bit g shown in this sub-frame
//     bits 11..8   p: the sub-frame keeps the output enabled for OE_T / 2^p
//     bit 4        the word closes a refresh pass
//     bit 0        the word is the last sub-frame of the row
//
// The rows are built from the scan parameters (S_Fn, B_fn, OE_T) by one rule:
//
// 1. Light. Over a row grey bit g must be lit for exactly 2^g (in OE clock units), so the
//    sub-frames of g add up to 2^g. The top grey bit G takes B_fn words, each lit for
//    D = 2^G / B_fn; no word is longer than D.
// 2. Smallest split. A bit with 2^g >= D takes 2^g / D full words (lit for D); a smaller bit
//    takes one word lit for 2^g.
// 3. Filling up to S_Fn. While the row is short, rounds walk the full-word bits below the top
//    from the lowest up and halve all words of a bit (doubling its count) when the extra words
//    still fit. If words are still missing after that, single words are halved one at a time,
//    lowest grey bit first, as long as a word is lit for at least 2 units.
// 4. Refresh passes. The words are spread over R_Acc passes (fewer when S_Fn has fewer words
//    than that: 8 for the shortest rows at R_Acc 16). A bit with at least as many words as
//    passes puts the same number into every pass; the remaining words are dealt one by one
//    to the passes in turn, from the top bit down. Every bit below the top that was spread
//    over all passes moves the dealer on by one pass as well, so the single sub-frames of
//    neighbouring bits land in different passes.
// 5. Order inside a pass. For refresh-rate and grey-scale priority the words ascend. For
//    brightness priority the spread (long) words come in descending order with the dealt
//    (short) words between them, and the pass ends on its dimmest word.
// 6. The last word of each pass carries bit 4, the last word of the row bit 0.

#include "kscanwords.h"

#include <QList>

#include <algorithm>
#include <array>
#include <mutex>
#include <vector>

namespace Ky {

namespace {

using Entry = KScanWords::Entry;

// [priority mode][grey level - 7][luminance level]
constexpr Entry kScanPara[3][9][3] = {
    {
        {{12, 4, 32}, {19, 8, 16}, {34, 16, 8}},
        {{13, 4, 64}, {20, 8, 32}, {35, 16, 16}},
        {{21, 8, 64}, {36, 16, 32}, {67, 32, 16}},
        {{22, 8, 128}, {37, 16, 64}, {68, 32, 32}},
        {{23, 8, 256}, {38, 16, 128}, {69, 32, 64}},
        {{39, 16, 256}, {70, 32, 128}, {133, 64, 64}},
        {{40, 16, 512}, {71, 32, 256}, {134, 64, 128}},
        {{41, 16, 1024}, {72, 32, 512}, {135, 64, 256}},
        {{42, 16, 2048}, {73, 32, 1024}, {136, 64, 512}},
    },
    {
        {{48, 16, 8}, {48, 16, 8}, {48, 16, 8}},
        {{48, 16, 16}, {48, 16, 16}, {48, 16, 16}},
        {{48, 16, 32}, {48, 16, 32}, {80, 32, 16}},
        {{48, 16, 64}, {48, 16, 64}, {80, 32, 32}},
        {{48, 16, 128}, {48, 16, 128}, {80, 32, 64}},
        {{48, 16, 256}, {80, 32, 128}, {144, 64, 64}},
        {{48, 16, 512}, {80, 32, 256}, {144, 64, 128}},
        {{48, 16, 1024}, {80, 32, 512}, {144, 64, 256}},
        {{48, 16, 2048}, {80, 32, 1024}, {144, 64, 512}},
    },
    {
        {{96, 16, 32}, {96, 16, 32}, {96, 16, 32}},
        {{96, 16, 32}, {96, 16, 32}, {96, 16, 32}},
        {{96, 16, 32}, {96, 16, 32}, {128, 32, 32}},
        {{96, 16, 64}, {96, 16, 64}, {128, 32, 32}},
        {{96, 16, 128}, {96, 16, 128}, {128, 32, 64}},
        {{96, 16, 256}, {128, 32, 128}, {192, 64, 64}},
        {{96, 16, 512}, {128, 32, 256}, {192, 64, 128}},
        {{96, 16, 1024}, {128, 32, 512}, {192, 64, 256}},
        {{96, 16, 2048}, {128, 32, 1024}, {192, 64, 512}},
    },
};

int Log2(unsigned int value)
{
    int bits = 0;
    while ((1u << bits) < value)
        ++bits;
    return bits;
}

struct Word
{
    int bit;
    int p;
    bool spread; // part of a bit that appears in every pass
};

using Row = std::array<uint16_t, KScanWords::RowWords>;

Row BuildRow(int priorityMode, int grayLevel, int luminanceLevel, int rAcc)
{
    const Entry& e = kScanPara[priorityMode][grayLevel - 7][luminanceLevel];
    const int top = grayLevel;
    const unsigned int fullLength = (1u << top) / e.B_fn; // D
    const int pFull = Log2(e.OE_T / fullLength);
    const int pMax = Log2(e.OE_T); // a word lit for one unit

    // 1 and 2: p of every word, per grey bit.
    std::vector<std::vector<int>> words(top + 1);
    std::vector<int> fullBits;
    words[top].assign(e.B_fn, pFull);
    for (int g = 0; g < top; ++g) {
        if ((1u << g) >= fullLength) {
            words[g].assign((1u << g) / fullLength, pFull);
            fullBits.push_back(g);
        } else {
            words[g].assign(1, Log2(e.OE_T >> g));
        }
    }
    int count = 0;
    for (const auto& w : words)
        count += int(w.size());
    int missing = e.S_Fn - count;

    // 3: whole-bit halving rounds, lowest full bit first.
    for (bool changed = true; missing > 0 && changed;) {
        changed = false;
        for (int g : fullBits) {
            auto& w = words[g];
            const int n = int(w.size());
            if (n > missing || *std::max_element(w.begin(), w.end()) >= pMax)
                continue;
            for (int& p : w)
                ++p;
            w.insert(w.end(), w.begin(), w.end());
            missing -= n;
            changed = true;
        }
    }
    // ...then single words, lowest bit first.
    while (missing > 0) {
        bool done = false;
        for (int g = 0; g < top && !done; ++g) {
            auto& w = words[g];
            auto it = std::min_element(w.begin(), w.end());
            if (*it < pMax) {
                const int p = *it + 1;
                *it = p;
                w.push_back(p);
                --missing;
                done = true;
            }
        }
        if (!done)
            break; // cannot happen with the parameter table; checked by the tests
    }

    // 4: passes.
    int passes = rAcc;
    while (passes > e.S_Fn)
        passes /= 2;
    std::vector<std::vector<Word>> pass(passes);
    int dealer = 0;
    for (int g = top; g >= 0; --g) {
        std::vector<int> w = words[g];
        std::sort(w.begin(), w.end());
        const int n = int(w.size());
        size_t next = 0;
        if (n >= passes) {
            const int each = n / passes;
            for (int i = 0; i < passes; ++i)
                for (int j = 0; j < each; ++j)
                    pass[i].push_back({g, w[next++], true});
            for (; next < w.size(); ++next)
                pass[dealer++ % passes].push_back({g, w[next], true});
            if (g != top)
                ++dealer;
        } else {
            for (; next < w.size(); ++next)
                pass[dealer++ % passes].push_back({g, w[next], false});
        }
    }

    // 5 and 6.
    const auto ascending = [](const Word& a, const Word& b) {
        return a.bit != b.bit ? a.bit < b.bit : a.p < b.p;
    };
    Row row{};
    int at = 0;
    for (auto& words_of_pass : pass) {
        std::vector<Word> seq;
        if (priorityMode == 0) {
            std::vector<Word> longs, shorts;
            for (const Word& w : words_of_pass)
                (w.spread ? longs : shorts).push_back(w);
            std::sort(longs.begin(), longs.end(),
                      [&](const Word& a, const Word& b) { return ascending(b, a); });
            std::sort(shorts.begin(), shorts.end(), ascending);
            if (shorts.empty()) {
                seq = longs;
            } else {
                std::rotate(shorts.begin(), shorts.begin() + 1, shorts.end());
                const size_t nl = longs.size(), ns = shorts.size();
                size_t li = 0;
                for (size_t i = 0; i < ns; ++i) {
                    const size_t k = nl / ns + (i < nl % ns ? 1 : 0);
                    for (size_t j = 0; j < k; ++j)
                        seq.push_back(longs[li++]);
                    seq.push_back(shorts[i]);
                }
            }
        } else {
            seq = words_of_pass;
            std::sort(seq.begin(), seq.end(), ascending);
        }
        for (const Word& w : seq)
            row[at++] = uint16_t((w.bit << 12) | (w.p << 8));
        row[at - 1] |= 0x10;
    }
    row[at - 1] |= 0x01;
    return row;
}

constexpr int kRaccValues[4] = {2, 4, 8, 16};

const std::vector<Row>& Tables()
{
    static std::vector<Row> tables;
    static std::once_flag once;
    std::call_once(once, [] {
        tables.resize(3 * KScanWords::RowsPerMode);
        for (int pm = 0; pm < 3; ++pm)
            for (int g = 7; g <= 15; ++g)
                for (int l = 0; l < 3; ++l)
                    for (int c = 0; c < 4; ++c)
                        tables[pm * KScanWords::RowsPerMode + c + 4 * (l + 3 * (g - 7))] =
                            BuildRow(pm, g, l, kRaccValues[c]);
    });
    return tables;
}

} // namespace

const KScanWords::Entry* KScanWords::Parameters(int priorityMode, int grayLevel, int luminanceLevel)
{
    if (priorityMode < 0 || priorityMode > 2 || grayLevel < 7 || grayLevel > 15
        || luminanceLevel < 0 || luminanceLevel > 2)
        return nullptr;
    return &kScanPara[priorityMode][grayLevel - 7][luminanceLevel];
}

const uint16_t* KScanWords::Row(int priorityMode, int index)
{
    if (priorityMode < 0 || priorityMode > 2 || index < 0 || index >= RowsPerMode)
        return nullptr;
    return Tables()[priorityMode * RowsPerMode + index].data();
}

} // namespace Ky
