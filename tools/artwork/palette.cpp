// SPDX-License-Identifier: GPL-3.0-or-later
// Colour reduction and the split of a sheet into colour picture and mask.
#include "artwork.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <cmath>

namespace artwork {
namespace {

struct Entry {
    QRgb colour;
    int count;
};

int channel(QRgb c, int k)
{
    return k == 0 ? qRed(c) : k == 1 ? qGreen(c) : qBlue(c);
}

// A box of the median cut: a range [begin, end) of the entry list.
struct Box {
    int begin;
    int end;
    int widest = 0;  // channel with the largest spread
    int spread = 0;
    long long weight = 0;
};

void measure(Box& box, const std::vector<Entry>& entries)
{
    std::array<int, 3> lo{255, 255, 255};
    std::array<int, 3> hi{0, 0, 0};
    box.weight = 0;
    for (int i = box.begin; i < box.end; ++i) {
        for (int k = 0; k < 3; ++k) {
            lo[k] = std::min(lo[k], channel(entries[i].colour, k));
            hi[k] = std::max(hi[k], channel(entries[i].colour, k));
        }
        box.weight += entries[i].count;
    }
    box.spread = -1;
    for (int k = 0; k < 3; ++k) {
        if (hi[k] - lo[k] > box.spread) {
            box.spread = hi[k] - lo[k];
            box.widest = k;
        }
    }
}

QRgb average(const Box& box, const std::vector<Entry>& entries)
{
    std::array<long long, 3> sum{0, 0, 0};
    for (int i = box.begin; i < box.end; ++i)
        for (int k = 0; k < 3; ++k)
            sum[k] += static_cast<long long>(channel(entries[i].colour, k)) * entries[i].count;
    auto mean = [&](int k) {
        return static_cast<int>((sum[k] + box.weight / 2) / box.weight);
    };
    return qRgb(mean(0), mean(1), mean(2));
}

}  // namespace

QList<QRgb> medianCutPalette(const QImage& sheet, int maxColours)
{
    QHash<QRgb, int> histogram;
    const QImage argb = sheet.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(line[x]) == 255)
                ++histogram[line[x] | 0xFF000000u];
    }
    std::vector<Entry> entries;
    entries.reserve(histogram.size());
    for (auto it = histogram.cbegin(); it != histogram.cend(); ++it)
        entries.push_back({it.key(), it.value()});
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.colour < b.colour; });

    QList<QRgb> palette;
    if (entries.empty() || maxColours <= 0)
        return palette;
    if (static_cast<int>(entries.size()) <= maxColours) {
        for (const Entry& e : entries)
            palette.append(e.colour);
        return palette;
    }

    std::vector<Box> boxes;
    boxes.push_back({0, static_cast<int>(entries.size())});
    measure(boxes.back(), entries);
    while (static_cast<int>(boxes.size()) < maxColours) {
        // Split the box whose spread, weighted by its pixels, is largest.
        int pick = -1;
        double best = 0;
        for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
            if (boxes[i].end - boxes[i].begin < 2)
                continue;
            const double score = static_cast<double>(boxes[i].spread) * std::sqrt(static_cast<double>(boxes[i].weight));
            if (pick < 0 || score > best) {
                pick = i;
                best = score;
            }
        }
        if (pick < 0)
            break;
        Box box = boxes[pick];
        const int k = box.widest;
        std::sort(entries.begin() + box.begin, entries.begin() + box.end,
                  [k](const Entry& a, const Entry& b) { return channel(a.colour, k) < channel(b.colour, k); });
        long long half = box.weight / 2;
        int cut = box.begin + 1;
        for (long long acc = 0; cut < box.end - 1; ++cut) {
            acc += entries[cut - 1].count;
            if (acc >= half)
                break;
        }
        Box low{box.begin, cut};
        Box high{cut, box.end};
        measure(low, entries);
        measure(high, entries);
        boxes[pick] = low;
        boxes.push_back(high);
    }
    for (const Box& box : boxes)
        palette.append(average(box, entries));
    return palette;
}

QImage hardenAlpha(const QImage& drawing, int threshold)
{
    QImage sheet = drawing.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < sheet.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(sheet.scanLine(y));
        for (int x = 0; x < sheet.width(); ++x)
            line[x] = qAlpha(line[x]) >= threshold ? (line[x] | 0xFF000000u) : 0u;
    }
    return sheet;
}

QImage reduceToTable(const QImage& sheet, const QList<QRgb>& table)
{
    const QImage argb = sheet.convertToFormat(QImage::Format_ARGB32);
    const int w = argb.width();
    const int h = argb.height();
    // Qt maps every pixel to its nearest table entry; the transparent part is
    // painted white first so that it maps to white exactly.
    QImage flat(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        auto* dst = reinterpret_cast<QRgb*>(flat.scanLine(y));
        for (int x = 0; x < w; ++x)
            dst[x] = qAlpha(src[x]) == 255 ? (src[x] | 0xFF000000u) : kWhite;
    }
    return flat.convertToFormat(QImage::Format_Indexed8, table, Qt::ThresholdDither | Qt::AvoidDither);
}

MaskedPair toMaskedPair(const QImage& sheet, const QList<QRgb>& keep)
{
    const QImage argb = sheet.convertToFormat(QImage::Format_ARGB32);
    const int w = argb.width();
    const int h = argb.height();

    // White first, then the colours that must stay exact, then the rest.
    QList<QRgb> table{kWhite};
    for (QRgb c : keep)
        if (!table.contains(c | 0xFF000000u))
            table.append(c | 0xFF000000u);
    for (QRgb c : medianCutPalette(argb, 256 - static_cast<int>(table.size())))
        if (!table.contains(c) && table.size() < 256)
            table.append(c);

    MaskedPair pair;
    pair.colour = reduceToTable(argb, table);

    pair.mask = QImage(w, h, QImage::Format_Mono);
    pair.mask.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    pair.mask.fill(1);  // also the unused bits at the end of each row
    for (int y = 0; y < h; ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        uchar* colourLine = pair.colour.scanLine(y);
        for (int x = 0; x < w; ++x) {
            const bool opaque = qAlpha(src[x]) == 255;
            pair.mask.setPixel(x, y, opaque ? 0 : 1);
            if (!opaque)
                colourLine[x] = 0;  // entry 0 is white
        }
    }
    return pair;
}

}  // namespace artwork
