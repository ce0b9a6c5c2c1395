#include "DealCards.h"

#include "RandomGenerator.h"

#include <numeric>
#include <vector>

void DealCards(Board& Target, RandomGenerator& Random) {
  Random.Reseed();
  const int32_t n = Target.CellCount();
  const int32_t p = n / 2;
  std::vector<int32_t> pool(static_cast<size_t>(n));
  std::iota(pool.begin(), pool.end(), 1);
  int32_t m = n;
  for (int32_t row = 0; row < Target.Rows; ++row) {
    for (int32_t col = 0; col < Target.Cols; ++col) {
      const int32_t k = Random.Random(m);
      const int32_t v = pool[k];
      Target.CellId[row][col] = v <= p ? v : v - p;
      Target.CellSide[row][col] = v <= p ? 0 : 1;
      Target.CellState[row][col] = CellState::FaceDown;
      pool[k] = pool[m - 1];
      --m;
    }
  }
}
