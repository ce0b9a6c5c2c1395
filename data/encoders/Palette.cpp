#include "Palette.h"

#include <algorithm>
#include <array>
#include <map>
#include <unordered_map>

namespace {

constexpr int MaxColours = 256;

bool IsTransparent(QRgb c) {
  return qAlpha(c) < 128;
}

struct TColourCount {
  QRgb Colour;
  quint64 Count;
};

// Exact histogram of the opaque colours, in a fixed (sorted) order.
std::vector<TColourCount> Histogram(const QList<QImage>& Frames, bool& AnyTransparent) {
  std::map<QRgb, quint64> counts;
  AnyTransparent = false;
  for (const QImage& frame : Frames) {
    for (int y = 0; y < frame.height(); ++y) {
      const auto* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
      for (int x = 0; x < frame.width(); ++x) {
        if (IsTransparent(line[x]))
          AnyTransparent = true;
        else
          ++counts[line[x] | 0xff000000u];
      }
    }
  }
  std::vector<TColourCount> result;
  result.reserve(counts.size());
  for (const auto& [colour, count] : counts)
    result.push_back({colour, count});
  return result;
}

int Channel(QRgb c, int axis) {
  return axis == 0 ? qRed(c) : axis == 1 ? qGreen(c) : qBlue(c);
}

// One box of the median cut: a run of the colour list.
struct TBox {
  size_t Begin;
  size_t End;
  int Axis = 0;
  int Range = 0;
};

void Measure(TBox& box, const std::vector<TColourCount>& colours) {
  std::array<int, 3> lo{255, 255, 255};
  std::array<int, 3> hi{0, 0, 0};
  for (size_t i = box.Begin; i < box.End; ++i) {
    for (int a = 0; a < 3; ++a) {
      lo[a] = std::min(lo[a], Channel(colours[i].Colour, a));
      hi[a] = std::max(hi[a], Channel(colours[i].Colour, a));
    }
  }
  box.Range = -1;
  for (int a = 0; a < 3; ++a) {
    if (hi[a] - lo[a] > box.Range) {
      box.Range = hi[a] - lo[a];
      box.Axis = a;
    }
  }
}

// Splits the box along its widest channel where half of its pixels lie on either side.
std::pair<TBox, TBox> Split(const TBox& box, std::vector<TColourCount>& colours) {
  auto first = colours.begin() + static_cast<std::ptrdiff_t>(box.Begin);
  auto last = colours.begin() + static_cast<std::ptrdiff_t>(box.End);
  std::stable_sort(first, last, [axis = box.Axis](const TColourCount& a, const TColourCount& b) {
    return Channel(a.Colour, axis) < Channel(b.Colour, axis);
  });
  quint64 total = 0;
  for (auto it = first; it != last; ++it)
    total += it->Count;
  quint64 running = 0;
  size_t cut = box.Begin + 1;
  for (size_t i = box.Begin; i + 1 < box.End; ++i) {
    running += colours[i].Count;
    cut = i + 1;
    if (running * 2 >= total)
      break;
  }
  TBox a{box.Begin, cut};
  TBox b{cut, box.End};
  Measure(a, colours);
  Measure(b, colours);
  return {a, b};
}

QRgb Average(const TBox& box, const std::vector<TColourCount>& colours) {
  std::array<quint64, 3> sum{0, 0, 0};
  quint64 weight = 0;
  for (size_t i = box.Begin; i < box.End; ++i) {
    for (int a = 0; a < 3; ++a)
      sum[a] += quint64(Channel(colours[i].Colour, a)) * colours[i].Count;
    weight += colours[i].Count;
  }
  auto mean = [&](int a) { return int((sum[a] + weight / 2) / weight); };
  return qRgb(mean(0), mean(1), mean(2));
}

QList<QRgb> MedianCut(std::vector<TColourCount> colours, int wanted) {
  std::vector<TBox> boxes{{0, colours.size()}};
  Measure(boxes.front(), colours);
  while (int(boxes.size()) < wanted) {
    auto widest = std::max_element(boxes.begin(), boxes.end(),
                                   [](const TBox& a, const TBox& b) { return a.Range < b.Range; });
    if (widest->Range <= 0 || widest->End - widest->Begin < 2)
      break;
    auto [a, b] = Split(*widest, colours);
    *widest = a;
    boxes.push_back(b);
  }
  QList<QRgb> palette;
  for (const TBox& box : boxes)
    palette.push_back(Average(box, colours));
  return palette;
}

int Distance(QRgb a, QRgb b) {
  const int dr = qRed(a) - qRed(b);
  const int dg = qGreen(a) - qGreen(b);
  const int db = qBlue(a) - qBlue(b);
  // Weighted towards green, to which the eye is most sensitive.
  return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

uint8_t Nearest(QRgb colour, const QList<QRgb>& palette, int skip) {
  int best = -1;
  int bestDistance = 0;
  for (int i = 0; i < palette.size(); ++i) {
    if (i == skip)
      continue;
    const int d = Distance(colour, palette[i]);
    if (best < 0 || d < bestDistance) {
      best = i;
      bestDistance = d;
    }
  }
  return uint8_t(best);
}

} // namespace

TPalettedFrames QuantizeFrames(const QList<QImage>& Frames, bool ReserveTransparent) {
  QList<QImage> argb;
  for (const QImage& frame : Frames)
    argb.push_back(frame.convertToFormat(QImage::Format_ARGB32));
  bool anyTransparent = false;
  std::vector<TColourCount> colours = Histogram(argb, anyTransparent);
  const bool reserve = anyTransparent || ReserveTransparent;
  const int room = reserve ? MaxColours - 1 : MaxColours;

  TPalettedFrames result;
  if (int(colours.size()) <= room) {
    for (const TColourCount& c : colours)
      result.Colours.push_back(c.Colour);
  } else {
    result.Colours = MedianCut(std::move(colours), room);
  }
  result.HasTransparentPixels = anyTransparent || result.Colours.isEmpty();
  if (result.Colours.isEmpty() || reserve) {
    result.TransparentIndex = int(result.Colours.size());
    result.Colours.push_back(qRgb(0, 0, 0));
  }

  std::unordered_map<QRgb, uint8_t> cache;
  for (const QImage& frame : argb) {
    std::vector<uint8_t> indexes;
    indexes.reserve(size_t(frame.width()) * size_t(frame.height()));
    for (int y = 0; y < frame.height(); ++y) {
      const auto* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
      for (int x = 0; x < frame.width(); ++x) {
        if (IsTransparent(line[x])) {
          indexes.push_back(uint8_t(result.TransparentIndex));
          continue;
        }
        const QRgb c = line[x] | 0xff000000u;
        auto found = cache.find(c);
        if (found == cache.end())
          found = cache.emplace(c, Nearest(c, result.Colours, result.TransparentIndex)).first;
        indexes.push_back(found->second);
      }
    }
    result.Indexes.push_back(std::move(indexes));
  }
  return result;
}
