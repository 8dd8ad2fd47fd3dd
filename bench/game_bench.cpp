// The game's costs, without a window.
//   OnePass: the drop step, the bullet step and a key with 50 words and 50
//     bullets on screen, drawn on a recording surface. Goal: under 100 us, so
//     that the window's 10 ms tick never waits.
//   PassThroughTheGameThread: a tick, the steps handed to the UI thread and
//     back, with 50 words falling: what a tick costs the UI thread in all.
//   LoadWordFile: a word file of 10 MB of words, of one 100 000-letter word and
//     of 10 MB of binary bytes. Goal: under a second each.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>
#include <thread>

#include "../tests/game/GameFakes.h"
#include "../tests/game/GamePlayTestAccess.h"
#include "base/LibraryError.h"
#include "game/GamePlay.h"
#include "game/strikerSourceType.h"
#include "game/threadType.h"
#include "support/TempFolder.h"

namespace {

using namespace zq;
using testing::FakeGameClock;
using testing::FakeGameWindow;
using testing::RecordingSurface;
using testing::ScriptedRandom;

// A word file in a folder of its own, removed afterwards.
class BenchWordFile {
public:
    explicit BenchWordFile(const std::string& bytes) { folder_.Write("words.txt", bytes); }
    std::string Path() const { return folder_.File("words.txt"); }

private:
    test::TempFolder folder_;
};

std::string FiftyWords() {
    std::string words;
    for (int i = 10; i < 60; ++i) words += "word" + std::to_string(i) + ' ';
    return words;
}

TGameSettings WideSettings() {
    TGameSettings settings;
    settings.CellSize = 10;
    settings.Columns = 400;
    return settings;
}

void OnePass(benchmark::State& state) {
    // One thread plays both threads of the game.
    UiThreadRole.Enter();
    GameThreadRole.Enter();
    const BenchWordFile file("word");
    FakeGameWindow window;
    RecordingSurface surface;
    surface.height = 100'000'000;  // the words never reach the city
    GameSetup setup;
    setup.settings = WideSettings();
    setup.random = std::make_unique<ScriptedRandom>();
    GamePlay play(file.Path(), window, surface, std::move(setup));
    play.SetDifficulty(3);
    GamePlayTestAccess stage(play);
    for (int i = 0; i < 50; ++i) {
        auto word = std::make_unique<strikerType>();
        word->Text = "word" + std::to_string(10 + i);
        word->Len = 6;
        word->Column = 1 + 8 * i;
        word->X = (word->Column - 1) * 10;
        play.Fire(stage.AddWord(std::move(word)));
    }
    bool start = true;
    for (auto _ : state) {
        play.DropStep();
        play.BulletStep();
        play.HandleKey(start ? 'w' : '#');  // begins a word, then a wrong key
        start = !start;
        benchmark::DoNotOptimize(surface.chars.data());
        surface.Clear();
    }
    state.counters["words"] = static_cast<double>(play.Words().size());
    state.counters["bullets"] = static_cast<double>(play.Bullets().size());
}
BENCHMARK(OnePass)->Unit(benchmark::kMicrosecond);

void PassThroughTheGameThread(benchmark::State& state) {
    const BenchWordFile file(FiftyWords());
    FakeGameClock clock;
    FakeGameWindow window;
    RecordingSurface surface;
    surface.height = 100'000'000;
    GameSetup setup;
    setup.settings = WideSettings();
    setup.settings.NewWordSpeed = 0;  // a new word whenever the chance allows
    setup.settings.DropSpeed = 0;     // a drop step at every pass
    setup.random = std::make_unique<ScriptedRandom>();
    setup.clock = clock.Function();
    threadType game(file.Path(), window, surface, std::move(setup));
    game.SetDifficulty(0);  // a quota of 50 words
    const auto pass = [&] {
        clock.Advance(10);
        game.Tick();
        while (!game.Idle())
            if (window.RunPosted() == 0) std::this_thread::yield();
        surface.Clear();
    };
    std::size_t words = 0;
    while (words < 50) {
        pass();
        game.Inspect([&](const GamePlay& play) { words = play.Words().size(); });
    }
    for (auto _ : state) {
        game.PostKey('#');
        pass();
    }
    state.counters["words"] = static_cast<double>(words);
}
BENCHMARK(PassThroughTheGameThread)->Unit(benchmark::kMicrosecond);

void Load(benchmark::State& state, const std::string& bytes) {
    const BenchWordFile file(bytes);
    FakeGameClock clock;
    ScriptedRandom random;
    std::atomic<std::int32_t> groupPointer{1};
    const TGameSettings settings;
    // A file holding a word longer than the game shows is refused: how
    // quickly that is told is measured too.
    std::int64_t refused = 0;
    for (auto _ : state) {
        strikerSourceType source(file.Path(), settings, random, groupPointer);
        try {
            source.Load();
        } catch (const LibraryError&) {
            ++refused;
        }
        benchmark::DoNotOptimize(source.GroupCount);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
    state.counters["refused"] = static_cast<double>(refused);
}

void LoadTenMegabytesOfWords(benchmark::State& state) {
    std::string bytes;
    while (bytes.size() < 10'000'000) bytes += "house garden tree river mountain\nsea sky\n\n";
    Load(state, bytes);
}
BENCHMARK(LoadTenMegabytesOfWords)->Unit(benchmark::kMillisecond);

void LoadOneLongWord(benchmark::State& state) {
    Load(state, std::string(100'000, 'q'));
}
BENCHMARK(LoadOneLongWord)->Unit(benchmark::kMillisecond);

void LoadTenMegabytesOfBinaryBytes(benchmark::State& state) {
    std::mt19937 engine(7);
    std::string bytes(10'000'000, '\0');
    for (char& byte : bytes) byte = static_cast<char>(engine() % 255 + 1);  // a NUL would end the text
    Load(state, bytes);
}
BENCHMARK(LoadTenMegabytesOfBinaryBytes)->Unit(benchmark::kMillisecond);

}  // namespace
