// Repaints of a 120-card board (12 x 10 cells of 80 x 60, the board of 60 pairs on a
// 1024 x 768 desktop): the board grid painting every cell through the game's face cache, as
// the main window draws a cell, against the floor of drawing 120 ready cell-sized pixmaps into
// the same surface; and the same for one turned card.
//
// One turned card costs little more than Qt's own paint of a widget, which the pixmap alone
// leaves out, so its floor is a bare widget that draws one ready pixmap in its paint event,
// repainted the same way over the same cell. BM_BoardOneCellPixmapOnly is the former floor,
// the pixmap drawn with no widget, for comparison.
//
// A board of words, the word side of a set whose pairs are two different cards, is repainted
// the same way, each word drawn once for its cell by the game's face cache; its floor draws the
// same words once, outside the figure, and copies them into the same cells.
//
// The faces come from the card set named first on the command line; the words from the set of
// different cards named next, dealt on a board of COLS x ROWS cells of WIDTH x HEIGHT:
//   perf_board program/cards/shapes.crd [words.crd:6x10:93x69] --benchmark_format=json
#include "BoardFaces.h"
#include "BoardGrid.h"
#include "CardArt.h"
#include "CardSetLoader.h"

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <numeric>
#include <vector>

namespace {

constexpr int Cols = 12;
constexpr int Rows = 10;
constexpr int Pairs = Cols * Rows / 2;
const QSize CellSize(80, 60);

QString SetPath;

struct TBoard {
  TBoard() {
    TCardSetLoader loader(SetPath);
    loader.ReadHeader();
    std::vector<int32_t> faces(static_cast<size_t>(Pairs));
    std::iota(faces.begin(), faces.end(), 0);
    loader.LoadFaces(faces);
    Faces.TakeGame(loader, loader.Header().ImageKind);
    Grid.SetShape(Cols, Rows, CellSize.width(), CellSize.height());
    // As the main window draws a cell: a ready picture made at the cell's size, copied into it.
    Grid.OnDrawCell = [this](QPainter& Canvas, int Col, int Row, const QRect& Rect) {
      const int id = (Row * Cols + Col) % Pairs + 1;
      const QPixmap& picture = ShowFaces ? Faces.Face(id, Rect.size()) : Faces.Back(Rect.size());
      Canvas.drawPixmap(Rect.topLeft(), picture);
    };
    Surface = QImage(Grid.size(), QImage::Format_ARGB32_Premultiplied);
    // In the game the grid lives in a shown window, which gives it its screen at once; a
    // widget never shown looks for its screen on every paint.
    Grid.show();
  }
  TBoardFaces Faces;
  TBoardGrid Grid;
  QImage Surface;
  bool ShowFaces = false;
};

struct TWordCase {
  QString Path;
  int Cols = 0;
  int Rows = 0;
  QSize Cell;
};

TWordCase WordCase;

// The word side of a dealt set of different cards, on a board of as many cells as the set has
// cards: each word on two of them.
struct TWordBoard {
  TWordBoard() {
    TCardSetLoader loader(WordCase.Path);
    loader.ReadHeader();
    // In the engine's slot order: every pair's first face, then every pair's second.
    std::vector<int32_t> faces;
    for (const size_t side : {0u, 1u})
      for (const auto& pair : loader.PairTable().Pairs)
        faces.push_back(pair[side]);
    loader.LoadFaces(faces, WordCase.Cell);
    Faces.TakeGame(loader, loader.Header().ImageKind);
    for (int slot = 1; slot <= int(faces.size()); ++slot)
      if (Faces.Kind(slot) == TFaceKind::Word)
        Words.push_back(slot);
    Grid.SetShape(WordCase.Cols, WordCase.Rows, WordCase.Cell.width(), WordCase.Cell.height());
    Grid.OnDrawCell = [this](QPainter& Canvas, int Col, int Row, const QRect& Rect) {
      Canvas.drawPixmap(Rect.topLeft(), Faces.Face(WordAt(Col, Row), Rect.size()));
    };
    Surface = QImage(Grid.size(), QImage::Format_ARGB32_Premultiplied);
    Grid.show();
  }
  int WordAt(int Col, int Row) const {
    return Words[size_t(Row * WordCase.Cols + Col) % Words.size()];
  }
  TBoardFaces Faces;
  std::vector<int> Words;
  TBoardGrid Grid;
  QImage Surface;
};

// The least a widget does to repaint one cell: draw a ready picture where it is asked to paint.
class TBareWidget : public QWidget {
public:
  explicit TBareWidget(QSize Size) : FPicture(CellSize) {
    FPicture.fill(QColor(40, 120, 200));
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(Size);
    show();
  }

protected:
  void paintEvent(QPaintEvent* Event) override {
    QPainter canvas(this);
    canvas.drawPixmap(Event->rect().topLeft(), FPicture);
  }

private:
  QPixmap FPicture;
};

// Made on first use and gone before the application, as every widget must be.
std::unique_ptr<TBoard> TheBoard;
std::unique_ptr<TWordBoard> TheWordBoard;

TBoard& Board() {
  if (!TheBoard)
    TheBoard = std::make_unique<TBoard>();
  return *TheBoard;
}

TWordBoard& WordBoard() {
  if (!TheWordBoard)
    TheWordBoard = std::make_unique<TWordBoard>();
  return *TheWordBoard;
}

void GridRepaint(benchmark::State& State, bool Faces, bool OneCell) {
  TBoard& board = Board();
  board.ShowFaces = Faces;
  const QRegion region = OneCell ? QRegion(board.Grid.CellRect(5, 4)) : QRegion(board.Grid.rect());
  board.Grid.render(&board.Surface, QPoint(), region); // fills the face cache
  for (auto _ : State) {
    board.Grid.render(&board.Surface, QPoint(), region, QWidget::RenderFlags());
    benchmark::DoNotOptimize(board.Surface.constBits());
  }
  State.counters["cells"] = OneCell ? 1 : Cols * Rows;
}

void PixmapFloor(benchmark::State& State, bool OneCell) {
  TBoard& board = Board();
  std::vector<QPixmap> pictures;
  for (int k = 0; k < Pairs; ++k) {
    QPixmap picture(CellSize);
    picture.fill(QColor::fromHsv(k * 6, 200, 200));
    pictures.push_back(picture);
  }
  for (auto _ : State) {
    QPainter canvas(&board.Surface);
    const int cells = OneCell ? 1 : Cols * Rows;
    for (int cell = 0; cell < cells; ++cell) {
      const int col = OneCell ? 5 : cell % Cols;
      const int row = OneCell ? 4 : cell / Cols;
      canvas.drawPixmap(board.Grid.CellRect(col, row).topLeft(), pictures[size_t(cell % Pairs)]);
    }
    canvas.end();
    benchmark::DoNotOptimize(board.Surface.constBits());
  }
  State.counters["cells"] = OneCell ? 1 : Cols * Rows;
}

void WidgetFloor(benchmark::State& State) {
  TBoard& board = Board();
  TBareWidget bare(board.Grid.size());
  const QRegion region(board.Grid.CellRect(5, 4));
  bare.render(&board.Surface, QPoint(), region);
  for (auto _ : State) {
    bare.render(&board.Surface, QPoint(), region, QWidget::RenderFlags());
    benchmark::DoNotOptimize(board.Surface.constBits());
  }
  State.counters["cells"] = 1;
}

void BM_WordBoardFull(benchmark::State& State) {
  TWordBoard& board = WordBoard();
  if (board.Words.empty()) {
    State.SkipWithError("the set has no words");
    return;
  }
  const QRegion region(board.Grid.rect());
  board.Grid.render(&board.Surface, QPoint(), region); // draws the words into the face cache
  for (auto _ : State) {
    board.Grid.render(&board.Surface, QPoint(), region, QWidget::RenderFlags());
    benchmark::DoNotOptimize(board.Surface.constBits());
  }
  State.counters["cells"] = WordCase.Cols * WordCase.Rows;
}

void BM_WordBoardFloor(benchmark::State& State) {
  TWordBoard& board = WordBoard();
  if (board.Words.empty()) {
    State.SkipWithError("the set has no words");
    return;
  }
  std::map<int, QPixmap> words;
  for (const int slot : board.Words)
    words[slot] = QPixmap::fromImage(DrawWordCard(WordCase.Cell, board.Faces.Text(slot)));
  for (auto _ : State) {
    QPainter canvas(&board.Surface);
    for (int row = 0; row < WordCase.Rows; ++row)
      for (int col = 0; col < WordCase.Cols; ++col)
        canvas.drawPixmap(board.Grid.CellRect(col, row).topLeft(), words[board.WordAt(col, row)]);
    canvas.end();
    benchmark::DoNotOptimize(board.Surface.constBits());
  }
  State.counters["cells"] = WordCase.Cols * WordCase.Rows;
}

void BM_BoardFullBacks(benchmark::State& State) {
  GridRepaint(State, false, false);
}
void BM_BoardFullFaces(benchmark::State& State) {
  GridRepaint(State, true, false);
}
void BM_BoardFullFloor(benchmark::State& State) {
  PixmapFloor(State, false);
}
void BM_BoardOneCell(benchmark::State& State) {
  GridRepaint(State, true, true);
}
void BM_BoardOneCellFloor(benchmark::State& State) {
  WidgetFloor(State);
}
void BM_BoardOneCellPixmapOnly(benchmark::State& State) {
  PixmapFloor(State, true);
}

BENCHMARK(BM_BoardFullBacks)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BoardFullFaces)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BoardFullFloor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BoardOneCell)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BoardOneCellFloor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BoardOneCellPixmapOnly)->Unit(benchmark::kMicrosecond);

// PATH:COLSxROWS:WIDTHxHEIGHT
bool ParseWordCase(const char* Text) {
  const char* colon = std::strchr(Text, ':');
  if (colon == nullptr)
    return false;
  int cols = 0, rows = 0, width = 0, height = 0;
  if (std::sscanf(colon + 1, "%dx%d:%dx%d", &cols, &rows, &width, &height) != 4 || cols <= 0 ||
      rows <= 0 || width <= 0 || height <= 0)
    return false;
  WordCase = {QString::fromLocal8Bit(Text, colon - Text), cols, rows, QSize(width, height)};
  return true;
}

} // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc > 1 && std::strncmp(argv[1], "--", 2) != 0) {
    SetPath = QString::fromLocal8Bit(argv[1]);
    argv[1] = argv[0];
    ++argv;
    --argc;
  }
  if (argc > 1 && std::strncmp(argv[1], "--", 2) != 0) {
    if (!ParseWordCase(argv[1])) {
      std::fprintf(stderr, "perf_board: the words are given as PATH:COLSxROWS:WIDTHxHEIGHT\n");
      return 2;
    }
    argv[1] = argv[0];
    ++argv;
    --argc;
    benchmark::RegisterBenchmark("BM_WordBoardFull", BM_WordBoardFull)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_WordBoardFloor", BM_WordBoardFloor)
        ->Unit(benchmark::kMicrosecond);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  TheBoard.reset();
  TheWordBoard.reset();
  return 0;
}
