#include "app/ui/GameWindows.h"

#include "game/ui/GameFrameWindow.h"

namespace zq {
namespace {

// The game window as the main window hosts it. It has no parent: the main
// window hides while the game runs.
class GameFrameHost : public GameHost {
public:
    void SetWordFile(const std::string& path) override { window_.Frame().SetWordFile(path); }
    void AddScore(std::int32_t score) override { window_.Frame().AddScore(score); }
    void SetScoreKeeper(std::function<GameScoreBoard(const GameResult& result)> keeper) override {
        window_.Frame().SetScoreKeeper(std::move(keeper));
    }
    void SetSoundEvents(SoundEvents events) override {
        window_.Frame().SetSoundEvents({
            .OnCityMissShoot = std::move(events.CityMissShoot),
            .OnCityShoot = std::move(events.CityShoot),
            .OnDifficultyIncrease = std::move(events.DifficultyIncrease),
            .OnCityHurt = std::move(events.CityHurt),
        });
    }
    void SetNewWordHandler(std::function<void(const std::string& word8)> handler) override {
        window_.Frame().SetNewWordHandler(std::move(handler));
    }
    void SetClosedHandler(std::function<void()> closed) override { window_.OnClosed = std::move(closed); }
    void SetFontName(const std::string& fontName8) override { window_.Frame().SetFontName(fontName8); }
    void ShowAndStartGame() override { window_.ShowAndStartGame(); }
    bool Busy() const override { return window_.InOwnEventLoop(); }

private:
    GameFrameWindow window_;
};

}  // namespace

std::unique_ptr<GameHost> GameWindows::CreateGameHost() {
    return std::make_unique<GameFrameHost>();
}

}  // namespace zq
