#include "catalogue/cv_sort.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <numeric>
#include <string_view>

// Why the exchange sort's order can be computed without running it.
//
// Pass I of the exchange sort walks J = I .. N-1 and exchanges whenever a[J]
// is strictly smaller than the current a[I]. The elements it touches are the
// left-to-right strict minima of the suffix, p0 = I < p1 < ... < pk; after
// the pass a[I] holds the old a[pk] (the first occurrence of the minimum) and
// every a[p(j+1)] holds the old a[pj]. Nothing else moves.
//
// Fix a key value v and look only at the elements whose key is <= v: call the
// ones equal to v "E" and the smaller ones "L". The left-to-right minima that
// are <= v are exactly the left-to-right minima of that subsequence, so one
// pass on the whole sequence acts on the subsequence as one pass of the same
// sort; elements above v never change the relative order of those below or
// at v. Inside the subsequence:
// - if it starts with an L, the chain holds only L's: the L's trade places
//   among themselves, the smallest leaves, and the slot of the first L is the
//   one that disappears; no E moves;
// - if it starts with E's e1 .. er followed by an L, the chain is e1 and then
//   L's: e1 takes the slot of that first L, the L's trade places, and the
//   smallest L leaves.
// Seen as a pattern of E's and L-slots, each pass removes the first L-slot
// and, when the pattern starts with E's, moves the head of that first run to
// its tail (where the removed slot was, so it joins the next run). Once no L
// is left, the E's leave in their current order. So with c(j) = the number
// of L's between the j-th and the (j+1)-th E in the original sequence (after
// the last E for j = m), the final order of the E's is:
//     X := empty; for j = 1 .. m: append e(j) to X; rotate X left by c(j).
// The result is every group of equal keys, in key order, each in its X order.
// The counts c(j) come from a Fenwick tree over positions, filled with the
// smaller keys group by group. The rotations are undone backwards: the head
// of X steps back c(j) places among the still free final slots and the slot
// just before it belongs to e(j); a second Fenwick tree finds slots by rank.
// Keys that compare to nothing (NaN) are never smaller and never the current
// minimum, so they stay in place and the others sort around them.

namespace {

class Fenwick {
 public:
  void Reset(std::size_t n, bool ones) {
    tree_.assign(n + 1, 0);
    if (ones)
      for (std::size_t i = 1; i <= n; ++i) tree_[i] = static_cast<int32_t>(i & (~i + 1));
  }
  void Add(std::size_t index, int32_t delta) {
    for (std::size_t i = index + 1; i < tree_.size(); i += i & (~i + 1)) tree_[i] += delta;
  }
  // Sum over [0, end).
  int32_t Prefix(std::size_t end) const {
    int32_t sum = 0;
    for (std::size_t i = end; i > 0; i -= i & (~i + 1)) sum += tree_[i];
    return sum;
  }
  // Index of the element of rank r (0-based) among those marked with 1.
  std::size_t Kth(int32_t r) const {
    std::size_t pos = 0;
    std::size_t step = 1;
    while (step * 2 < tree_.size()) step *= 2;
    for (; step > 0; step /= 2) {
      if (pos + step < tree_.size() && tree_[pos + step] <= r) {
        pos += step;
        r -= tree_[pos];
      }
    }
    return pos;
  }

 private:
  std::vector<int32_t> tree_;
};

}  // namespace

void ExchangeSortOrder(const std::vector<int32_t>& Ranks, std::vector<int32_t>& Order) {
  const std::size_t n = Ranks.size();
  Order.resize(n);
  std::iota(Order.begin(), Order.end(), 0);

  // The comparable records, numbered in their original order.
  std::vector<int32_t> original;
  original.reserve(n);
  int32_t groups = 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (Ranks[i] < 0) continue;
    original.push_back(static_cast<int32_t>(i));
    groups = std::max(groups, Ranks[i] + 1);
  }
  const std::size_t m = original.size();
  if (m < 2) return;

  // Members of each group in original order (counting sort by rank).
  std::vector<int32_t> start(static_cast<std::size_t>(groups) + 1, 0);
  for (int32_t pos : original) ++start[static_cast<std::size_t>(Ranks[pos]) + 1];
  for (std::size_t g = 0; g < static_cast<std::size_t>(groups); ++g) start[g + 1] += start[g];
  std::vector<int32_t> members(m);
  {
    std::vector<int32_t> fill(start.begin(), start.end() - 1);
    for (std::size_t k = 0; k < m; ++k) members[fill[Ranks[original[k]]]++] = static_cast<int32_t>(k);
  }

  Fenwick smaller;  // marks the records of the groups already placed
  smaller.Reset(m, false);
  Fenwick slots;
  std::vector<int32_t> gaps;
  std::vector<int32_t> sorted(m);
  for (int32_t g = 0; g < groups; ++g) {
    const std::size_t first = static_cast<std::size_t>(start[g]);
    const std::size_t size = static_cast<std::size_t>(start[g + 1]) - first;
    if (size == 0) continue;
    const int32_t* e = &members[first];

    gaps.resize(size);
    for (std::size_t j = 0; j < size; ++j) {
      std::size_t from = static_cast<std::size_t>(e[j]) + 1;
      std::size_t to = j + 1 < size ? static_cast<std::size_t>(e[j + 1]) : m;
      gaps[j] = smaller.Prefix(to) - smaller.Prefix(from);
    }

    slots.Reset(size, true);
    int32_t head = 0;
    for (std::size_t j = size; j >= 1; --j) {
      const auto count = static_cast<int32_t>(j);
      head = (head + count - gaps[j - 1] % count) % count;
      std::size_t slot = slots.Kth((head + count - 1) % count);
      sorted[first + slot] = e[j - 1];
      slots.Add(slot, -1);
      if (head > 0) --head;
    }

    for (std::size_t j = 0; j < size; ++j) smaller.Add(static_cast<std::size_t>(e[j]), 1);
  }

  // Comparable records fill the comparable places in sorted order.
  std::size_t next = 0;
  for (std::size_t i = 0; i < n; ++i)
    if (Ranks[i] >= 0) Order[i] = original[static_cast<std::size_t>(sorted[next++])];
}

namespace {

// Dense ranks from a strict "less" over the indices 0 .. count-1; indices for
// which `comparable` is false get -1.
template <typename Less, typename Comparable>
void RanksBy(std::size_t count, Less less, Comparable comparable, std::vector<int32_t>& ranks) {
  std::vector<int32_t> index;
  index.reserve(count);
  ranks.assign(count, -1);
  for (std::size_t i = 0; i < count; ++i)
    if (comparable(i)) index.push_back(static_cast<int32_t>(i));
  std::sort(index.begin(), index.end(), [&](int32_t a, int32_t b) { return less(a, b); });
  int32_t rank = -1;
  for (std::size_t k = 0; k < index.size(); ++k) {
    if (k == 0 || less(index[k - 1], index[k])) ++rank;
    ranks[static_cast<std::size_t>(index[k])] = rank;
  }
}

void RanksOf(const TNebulas& r, std::size_t count, TSortType type, std::vector<int32_t>& ranks) {
  auto always = [](std::size_t) { return true; };
  // std::string_view compares bytes as unsigned values, the shorter text
  // first on a common prefix, which is the catalogue's text order.
  auto text = [&](const TShortString TNebula::*field) {
    RanksBy(
        count, [&](int32_t a, int32_t b) { return (r[a].*field).View() < (r[b].*field).View(); }, always, ranks);
  };
  auto real = [&](double TNebula::*field) {
    RanksBy(
        count, [&](int32_t a, int32_t b) { return r[a].*field < r[b].*field; },
        [&](std::size_t i) { return !std::isnan(r[i].*field); }, ranks);
  };
  switch (type) {
    case ST_IndexOfItem:
      RanksBy(count, [&](int32_t a, int32_t b) { return r[a].IndexOfItem < r[b].IndexOfItem; }, always, ranks);
      break;
    case ST_NameOfNebula:
      text(&TNebula::NameOfNebula);
      break;
    case ST_NGC:
      RanksBy(count, [&](int32_t a, int32_t b) { return r[a].NGC < r[b].NGC; }, always, ranks);
      break;
    case ST_Rect:
      real(&TNebula::Rect);
      break;
    case ST_Dec:
      real(&TNebula::Dec);
      break;
    case ST_Distance:
      real(&TNebula::Distance);
      break;
    case ST_Magnitude:
      real(&TNebula::Magnitude);
      break;
    case ST_TypeOfNebula:
      RanksBy(count, [&](int32_t a, int32_t b) { return r[a].TypeOfNebula < r[b].TypeOfNebula; }, always, ranks);
      break;
    case ST_Picture:
      text(&TNebula::Picture);
      break;
    case ST_Description:
      text(&TNebula::Description);
      break;
  }
}

}  // namespace

void SortNebulas(TNebulas& Records, int32_t Count, TSortType SortType, TDirection Direction) {
  assert(Count >= 0 && static_cast<std::size_t>(Count) <= Records.size());
  const auto n = static_cast<std::size_t>(Count);
  if (n < 2) return;
  std::vector<int32_t> ranks;
  RanksOf(Records, n, SortType, ranks);
  if (Direction == D_Down) {
    int32_t top = *std::max_element(ranks.begin(), ranks.end());
    for (int32_t& rank : ranks)
      if (rank >= 0) rank = top - rank;
  }
  std::vector<int32_t> order;
  ExchangeSortOrder(ranks, order);

  // Apply the permutation cycle by cycle, moving each record once.
  std::vector<bool> done(n, false);
  for (std::size_t k = 0; k < n; ++k) {
    if (done[k] || order[k] == static_cast<int32_t>(k)) continue;
    TNebula held = std::move(Records[k]);
    std::size_t j = k;
    while (true) {
      done[j] = true;
      auto source = static_cast<std::size_t>(order[j]);
      if (source == k) {
        Records[j] = std::move(held);
        break;
      }
      Records[j] = std::move(Records[source]);
      j = source;
    }
  }
}

void Sort(TSortType SortType, TDirection Direction) {
  int32_t count =
      std::min<int32_t>(Catalogue().DatabaseInfo.NumberOfItems, static_cast<int32_t>(Catalogue().Nebulas.size()));
  SortNebulas(Catalogue().Nebulas, count, SortType, Direction);
}
