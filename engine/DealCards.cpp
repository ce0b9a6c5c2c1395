#include "DealCards.h"

#include "RandomGenerator.h"

#include <numeric>
#include <vector>

void DealCards(Board& Target, RandomGenerator& Random) {
  Random.Reseed();
  const int32_t N = Target.CellCount();
  const int32_t P = N / 2;
  std::vector<int32_t> Pool(static_cast<size_t>(N));
  std::iota(Pool.begin(), Pool.end(), 1);
  int32_t M = N;
  for (int32_t Row = 0; Row < Target.Rows; ++Row) {
    for (int32_t Col = 0; Col < Target.Cols; ++Col) {
      const int32_t K = Random.Random(M);
      const int32_t V = Pool[K];
      Target.CellId[Row][Col] = V <= P ? V : V - P;
      Target.CellState[Row][Col] = CellState::FaceDown;
      Pool[K] = Pool[M - 1];
      --M;
    }
  }
}
