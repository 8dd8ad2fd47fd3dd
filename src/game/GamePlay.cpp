#include "game/GamePlay.h"

#include <cxxabi.h>

#include <cstdlib>
#include <exception>
#include <typeinfo>

#include "base/CodePage.h"
#include "base/Translation.h"
#include "game/GameStatistics.h"

namespace zq {
namespace {

// The readable class name of an error, for the error box.
std::string ErrorTypeName(const std::exception& error) {
    const char* mangled = typeid(error).name();
    int status = 0;
    char* demangled = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
    std::string name = status == 0 && demangled != nullptr ? demangled : mangled;
    std::free(demangled);
    return name;
}

}  // namespace

GamePlay::GamePlay(std::string wordFile, GameWindow& window, GameSurface& surface, GameSetup setup)
    : settings_(std::move(setup.settings)),
      window_(window),
      surface_(surface),
      random_(std::move(setup.random)),
      NewWordTrigger(setup.clock),
      DropTrigger(setup.clock),
      BulletTrigger(setup.clock),
      Source(std::move(wordFile), settings_, *random_, *setup.groupPointer),
      GameClock(setup.clock),
      City(std::make_unique<cityType>(surface.Height(), settings_, *random_)) {
    InitialBricks = City->CountBricks();
    Source.OnError = [this](const std::string& message) { ShowErrorBox(message); };
    Source.Load();
    UpdateStatus();
    Bonus = 0;
}

void GamePlay::SetDifficulty(std::int32_t difficulty) {
    StartDifficulty = difficulty;
    Level = difficulty;
    Score = 1000 + 200 * difficulty;
    Hits = 0;
    Losses = 0;
    SetLevel(difficulty);
    BulletInterval = 25;
    Quota = 50 + 20 * difficulty;
    if (Events.OnGameStart) Events.OnGameStart(Quota, InitialBricks);
}

void GamePlay::SetLevel(std::int32_t level) {
    NewWordInterval = settings_.NewWordSpeed - level * settings_.NewWordSpeedBy;
    DropInterval = settings_.DropSpeed - level * settings_.DropSpeedBy;
    if (level != Level && Events.OnDifficultyIncrease) {
        Raise(Events.OnDifficultyIncrease);
        Score += 300;
        HoldNewWords = true;
    }
    Level = level;
}

void GamePlay::UpdateLevel() {
    const std::int32_t ratio = Hits / (Losses + 1);
    if (ratio > 20 && Hits > Quota / 4) Bonus = 1;
    if (ratio > 20 && Hits > Quota / 2) Bonus = 2;
    if (ratio > 20 && Hits > (Quota / 4) * 3) Bonus = 3;
    SetLevel(StartDifficulty + Bonus);
}

bool GamePlay::NewWordsHeld() {
    if (Words.size() > 1 && HoldNewWords) return true;
    HoldNewWords = false;
    return false;
}

void GamePlay::StartGame() {
    GameClock.Start();
    Launched = 0;
}

bool GamePlay::RunPass() {
    LaunchNewWord();
    Refill();
    if (Words.empty()) return false;
    if (DropTrigger.Due(DropInterval)) {
        threads_->OnUiThread([this] { DropStep(); });
        threads_->OnUiThread([this] { UpdateStatus(); });
    }
    if (BulletTrigger.Due(BulletInterval)) threads_->OnUiThread([this] { BulletStep(); });
    if (KeyPending) {
        KeyPending = false;
        TakeKey(PendingKey);
    }
    return Score > 0;
}

void GamePlay::LaunchCurrentWord() {
    Words.push_back(std::move(Source.Current));
    ++Launched;
}

bool GamePlay::LaunchNewWord() {
    // In this order, stopping at the first test that fails: a word drawn but
    // not launched has left its group for good.
    if (!NewWordTrigger.Due(NewWordInterval)) return false;
    if (!Chance(*random_, 5 * StartDifficulty + 20)) return false;
    if (!Source.Next()) return false;
    if (Launched >= Quota) return false;
    if (NewWordsHeld()) return false;
    LaunchCurrentWord();
    threads_->OnUiThread([this] { UpdateStatus(); });
    return true;
}

bool GamePlay::Refill() {
    if (!Words.empty() || !Source.Next() || Launched >= Quota) return false;
    LaunchCurrentWord();
    return true;
}

void GamePlay::ReleaseTarget(const strikerType& word) {
    if (Targeting && Target == &word) {
        Targeting = false;
        Target = nullptr;
    }
}

GamePlay::WordList::iterator GamePlay::Discard(WordList::iterator word) {
    for (const auto& bullet : Bullets)
        if (bullet->Target == word->get()) bullet->ForgetTarget();
    ReleaseTarget(**word);
    return Words.erase(word);
}

void GamePlay::DropStep() {
    for (auto it = Words.begin(); it != Words.end();) {
        strikerType& word = **it;
        if (word.Speed >= SpeedPhase && word.State == wsFalling) {
            word.MoveDown(surface_, settings_);
        } else if (word.State == wsGone) {
            word.Erase(surface_, settings_);
            it = Discard(it);
            continue;
        } else {
            word.Draw(surface_, settings_);
        }
        if (settings_.FunSpeed) SpeedPhase = SpeedPhase % 3 + 1;

        const CityContact contact = City->Contact(word);
        if (contact.kind == CityContact::Hit) {
            Score -= 3 * word.Len;
            ++Losses;
            word.Erase(surface_, settings_);
            ReleaseTarget(word);
            City->KnockDown(surface_, contact.row, word);
            it = Discard(it);
            UpdateStatus();
            if (Events.OnCityHurt) Events.OnCityHurt();
            continue;
        }
        if (contact.kind == CityContact::Ground) {
            // Lost without touching a brick; removed at the next drop step.
            word.State = wsGone;
            word.Erase(surface_, settings_);
            ReleaseTarget(word);
            Score -= 3 * word.Len;
            ++Losses;
        }
        ++it;
    }
}

void GamePlay::BulletStep() {
    for (auto it = Bullets.begin(); it != Bullets.end();) {
        if ((*it)->Done) {
            it = Bullets.erase(it);
            continue;
        }
        (*it)->Step(settings_);
        ++it;
    }
}

void GamePlay::TakeKey(char key) {
    if (key == kEscape) return;
    try {
        HandleKey(key);
    } catch (const std::exception& error) {
        // The key is dropped and the game goes on.
        ShowErrorBox(ErrorTypeName(error) + "--" + error.what() + " threadType  strikers_go2");
    }
}

void GamePlay::HandleKey(char key) {
    if (!Targeting) {
        for (const auto& candidate : Words) {
            strikerType& word = *candidate;
            if (word.State != wsFalling || word.Text.empty() || word.Text[0] != key) continue;
            Targeting = true;
            Target = &word;
            word.Typed = 1;
            word.Draw(surface_, settings_);
            if (word.Len == 1) ShootDown(word, 1);
            return;
        }
        return;  // no word starts with the key: nothing at all happens
    }

    strikerType& word = *Target;
    const auto next = static_cast<std::size_t>(word.Typed);
    if (next < word.Text.size() && word.Text[next] == key) {
        ++word.Typed;
        word.Draw(surface_, settings_);
        if (word.Typed == word.Len) ShootDown(word, 5 * word.Len);
        return;
    }
    // A wrong key: the word shows untyped again and falls on.
    word.Typed = -1;
    word.Draw(surface_, settings_);
    word.State = wsFalling;
    Targeting = false;
    Target = nullptr;
    Raise(Events.OnCityMissShoot);
}

void GamePlay::ShootDown(strikerType& word, std::int32_t points) {
    word.State = wsShot;
    Fire(word);
    Score += points;
    ++Hits;
    threads_->OnUiThread([this] { UpdateStatus(); });
    Targeting = false;
    Target = nullptr;
    Raise(Events.OnCityShoot);
    UpdateLevel();
}

void GamePlay::Fire(strikerType& word) {
    Bullets.push_back(std::make_unique<bulletType>(surface_, City->Base + 1, word, settings_));
}

void GamePlay::UpdateStatus() {
    const std::int32_t seconds = GameClock.Elapsed() / 1000;
    window_.SetStatusText(Format(Tr(" Difficulty: %d   Hit: %d   Lost: %d   Time: %ds  Score : %d"),
                                 {std::to_string(Level), std::to_string(Hits), std::to_string(Losses),
                                  std::to_string(seconds), std::to_string(Score)}));
    if (Events.OnStatus) Events.OnStatus(City->CountBricks(), Hits, Losses);
}

void GamePlay::ShowStatistics() {
    const GameStatistics statistics = ComputeGameStatistics(Hits, Losses, GameClock.Elapsed());
    const std::string text = Format(Tr("   Accuracy: %d%%   WPM: %d   Expected WPM: %d"),
                                    {std::to_string(statistics.accuracy), std::to_string(statistics.wpm),
                                     std::to_string(statistics.expectedWpm)});
    // The box shows the text as the system code page holds it.
    window_.InformationBox(ToUtf8(FromUtf8(text)));
}

void GamePlay::Repaint() {
    City->Draw(surface_);
    for (const auto& word : Words) word->Draw(surface_, settings_);
}

void GamePlay::PostKey(char key) {
    PendingKey = key;
    KeyPending = true;
}

void GamePlay::ShowErrorBox(const std::string& messageUtf8) {
    threads_->OnUiThread([this, &messageUtf8] { window_.InformationBox(messageUtf8); });
}

void GamePlay::Raise(const std::function<void()>& handler) {
    if (handler) threads_->RaiseOnGameThread(handler);
}

}  // namespace zq
