#include "game/GamePlay.h"

#include <cxxabi.h>

#include <cstdlib>
#include <exception>
#include <typeinfo>

#include "base/Translation.h"
#include "game/GameResult.h"
#include "game/GameStatistics.h"
#include "game/GameTiming.h"

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
      newWordTrigger_(setup.clock),
      dropTrigger_(setup.clock),
      bulletTrigger_(setup.clock),
      source_(std::move(wordFile), settings_, *random_, *setup.groupPointer),
      gameClock_(setup.clock),
      city_(surface.Height(), settings_, *random_) {
    UiThreadRole.Enter();
    source_.OnError = [this](const std::string& message) {
        GameThreadRole.Assert();  // from Next
        ShowErrorBox(message);
    };
    source_.Load();
    UpdateStatus();
}

void GamePlay::SetDifficulty(std::int32_t difficulty) {
    startDifficulty_ = difficulty;
    level_ = difficulty;
    score_ = 1000 + 200 * difficulty;
    hits_ = 0;
    losses_ = 0;
    SetIntervals(difficulty);  // SetLevel at the level it already is: no rise
    bulletInterval_ = 25;
    if (events_.OnGameStart) events_.OnGameStart(Quota(), InitialBricks());
}

void GamePlay::SetIntervals(std::int32_t level) {
    newWordInterval_ = IntervalAtLevel(settings_.NewWordSpeed, settings_.NewWordSpeedBy, level);
    dropInterval_ = IntervalAtLevel(settings_.DropSpeed, settings_.DropSpeedBy, level);
}

void GamePlay::SetLevel(std::int32_t level) {
    SetIntervals(level);
    if (level != level_ && events_.OnDifficultyIncrease) {
        Raise(events_.OnDifficultyIncrease);
        score_ += 300;
        holdNewWords_ = true;
    }
    level_ = level;
}

void GamePlay::UpdateLevel() {
    const std::int32_t ratio = hits_ / (losses_ + 1);
    if (ratio > 20 && hits_ > Quota() / 4) bonus_ = 1;
    if (ratio > 20 && hits_ > Quota() / 2) bonus_ = 2;
    if (ratio > 20 && hits_ > (Quota() / 4) * 3) bonus_ = 3;
    SetLevel(startDifficulty_ + bonus_);
}

bool GamePlay::NewWordsHeld() {
    if (words_.size() > 1 && holdNewWords_) return true;
    holdNewWords_ = false;
    return false;
}

void GamePlay::StartGame() {
    gameClock_.Start();
    launched_ = 0;
}

bool GamePlay::RunPass() {
    LaunchNewWord();
    Refill();
    if (words_.empty()) return false;
    if (dropTrigger_.Due(dropInterval_)) {
        threads_->OnUiThread([this] {
            UiThreadRole.Assert();
            DropStep();
        });
        threads_->OnUiThread([this] {
            UiThreadRole.Assert();
            UpdateStatus();
        });
    }
    if (bulletTrigger_.Due(bulletInterval_)) {
        threads_->OnUiThread([this] {
            UiThreadRole.Assert();
            BulletStep();
        });
    }
    if (pendingKey_) {
        const char key = *pendingKey_;
        pendingKey_.reset();
        TakeKey(key);
    }
    return score_ > 0;
}

void GamePlay::EndGame() {
    threads_->OnUiThread([this] {
        UiThreadRole.Assert();
        ShowStatistics();
    });
    Finish();
}

void GamePlay::EndWithError(const std::string& messageUtf8) {
    ShowErrorBox(messageUtf8);
    Finish();
}

void GamePlay::Finish() {
    ended_ = true;
    threads_->OnUiThread([this] {
        UiThreadRole.Assert();
        if (events_.OnTerminate) events_.OnTerminate();
    });
}

void GamePlay::LaunchCurrentWord() {
    words_.push_back(std::move(source_.Current));
    ++launched_;
    if (events_.OnNewWord) {
        Raise([this, word = words_.back()->Text] { events_.OnNewWord(word); });
    }
}

bool GamePlay::LaunchNewWord() {
    // In this order, stopping at the first test that fails: a word drawn but
    // not launched has left its group for good.
    if (!newWordTrigger_.Due(newWordInterval_)) return false;
    if (!Chance(*random_, 5 * startDifficulty_ + 20)) return false;
    if (!source_.Next()) return false;
    if (launched_ >= Quota()) return false;
    if (NewWordsHeld()) return false;
    LaunchCurrentWord();
    threads_->OnUiThread([this] {
        UiThreadRole.Assert();
        UpdateStatus();
    });
    return true;
}

bool GamePlay::Refill() {
    if (!words_.empty() || !source_.Next() || launched_ >= Quota()) return false;
    LaunchCurrentWord();
    return true;
}

void GamePlay::ReleaseTarget(const strikerType& word) {
    if (target_ == &word) target_ = nullptr;
}

GamePlay::WordList::iterator GamePlay::Discard(WordList::iterator word) {
    for (const auto& bullet : bullets_)
        if (bullet->Target == word->get()) bullet->ForgetTarget();
    ReleaseTarget(**word);
    return words_.erase(word);
}

void GamePlay::DropStep() {
    for (auto it = words_.begin(); it != words_.end();) {
        strikerType& word = **it;
        if (word.Speed >= speedPhase_ && word.State == wsFalling) {
            word.MoveDown(surface_, settings_);
        } else if (word.State == wsGone) {
            word.Erase(surface_, settings_);
            it = Discard(it);
            continue;
        } else {
            word.Draw(surface_, settings_);
        }
        if (settings_.FunSpeed) speedPhase_ = speedPhase_ % 3 + 1;

        const CityContact contact = city_.Contact(word);
        if (contact.kind == CityContact::Hit) {
            score_ -= 3 * word.Len;
            ++losses_;
            word.Erase(surface_, settings_);
            ReleaseTarget(word);
            city_.KnockDown(surface_, contact.row, word);
            it = Discard(it);
            UpdateStatus();
            if (events_.OnCityHurt) events_.OnCityHurt();
            continue;
        }
        if (contact.kind == CityContact::Ground) {
            // Lost without touching a brick; removed at the next drop step.
            word.State = wsGone;
            word.Erase(surface_, settings_);
            ReleaseTarget(word);
            score_ -= 3 * word.Len;
            ++losses_;
        }
        ++it;
    }
}

void GamePlay::BulletStep() {
    for (auto it = bullets_.begin(); it != bullets_.end();) {
        if ((*it)->Done) {
            it = bullets_.erase(it);
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
    if (target_ == nullptr) {
        for (const auto& candidate : words_) {
            strikerType& word = *candidate;
            if (word.State != wsFalling || word.Text.empty() || word.Text[0] != key) continue;
            target_ = &word;
            word.Typed = 1;
            word.Draw(surface_, settings_);
            if (word.Len == 1) ShootDown(word, 1);
            return;
        }
        return;  // no word starts with the key: nothing at all happens
    }

    strikerType& word = *target_;
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
    target_ = nullptr;
    Raise(events_.OnCityMissShoot);
}

void GamePlay::ShootDown(strikerType& word, std::int32_t points) {
    word.State = wsShot;
    Fire(word);
    score_ += points;
    ++hits_;
    threads_->OnUiThread([this] {
        UiThreadRole.Assert();
        UpdateStatus();
    });
    target_ = nullptr;
    Raise(events_.OnCityShoot);
    UpdateLevel();
}

void GamePlay::Fire(strikerType& word) {
    bullets_.push_back(std::make_unique<bulletType>(surface_, city_.Base + 1, word, settings_));
}

void GamePlay::UpdateStatus() {
    const std::int32_t seconds = gameClock_.Elapsed() / 1000;
    window_.SetStatusText(Format(Tr(" Difficulty: %d   Hit: %d   Lost: %d   Time: %ds  Score : %d"),
                                 {std::to_string(level_), std::to_string(hits_), std::to_string(losses_),
                                  std::to_string(seconds), std::to_string(score_)}));
    if (events_.OnStatus) events_.OnStatus(city_.CountBricks(), hits_, losses_);
    TellWordsOnScreen();
}

void GamePlay::TellWordsOnScreen() {
    if (!events_.OnWordsOnScreen) return;
    std::vector<std::string> words;
    for (const auto& word : words_) {
        if (word->State == wsFalling) words.push_back(word->Text);
    }
    if (words == wordsTold_) return;
    wordsTold_ = std::move(words);
    events_.OnWordsOnScreen(wordsTold_);
}

void GamePlay::ShowStatistics() {
    GameResult result;
    result.difficulty = startDifficulty_;
    result.score = score_;
    result.hits = hits_;
    result.losses = losses_;
    result.timeMs = gameClock_.Elapsed();
    result.statistics = ComputeGameStatistics(hits_, losses_, result.timeMs);
    if (events_.OnGameOver) {
        events_.OnGameOver(result);
    } else {
        window_.InformationBox(StatisticsLine(result.statistics));
    }
}

void GamePlay::Repaint() {
    city_.Draw(surface_);
    for (const auto& word : words_) word->Draw(surface_, settings_);
}

void GamePlay::PostKey(char key) {
    pendingKey_ = key;
}

void GamePlay::ShowErrorBox(const std::string& messageUtf8) {
    threads_->OnUiThread([this, &messageUtf8] {
        UiThreadRole.Assert();
        window_.InformationBox(messageUtf8);
    });
}

void GamePlay::Raise(const std::function<void()>& handler) {
    if (handler) threads_->RaiseOnGameThread(handler);
}

}  // namespace zq
