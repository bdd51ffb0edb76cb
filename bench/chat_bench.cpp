// Figures of showing received text in the chat window's receive list: a chat line of N bytes
// without a blank, as the window gets it (cut for display, then appended, laid out and
// painted), and for comparison the same done with the whole line, whose layout cost grows
// much faster than its length.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <string>

#include "ui/Chatting.h"
#include "ui/NetBridge.h"

namespace tamsok {
namespace {

std::string LongLine(benchmark::State& state) {
  return "[Head] " + std::string(static_cast<std::size_t>(state.range(0)), 'y');
}

template <typename Show>
void ShowLines(benchmark::State& state, Show show) {
  const std::string line = LongLine(state);
  QWidget owner;
  TChatForm chat(&owner);
  chat.show();
  for (auto _ : state) {
    chat.AppendReceived(show(line));
    chat.MemoR->repaint();  // lays the new line out and paints it
    QCoreApplication::processEvents();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(line.size()));
}

void BM_ShowReceivedLine(benchmark::State& state) {
  ShowLines(state, [](const std::string& line) { return ShownQText(line); });
}
BENCHMARK(BM_ShowReceivedLine)
    ->Arg(1 << 20)
    ->Arg(2 << 20)
    ->Arg(4 << 20)
    ->Unit(benchmark::kMillisecond);

void BM_ShowReceivedLineWhole(benchmark::State& state) {
  ShowLines(state, [](const std::string& line) { return QString::fromStdString(line); });
}
BENCHMARK(BM_ShowReceivedLineWhole)
    ->Arg(16 << 10)
    ->Arg(32 << 10)
    ->Arg(64 << 10)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tamsok

int main(int argc, char** argv) {
  // The window needs no screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
