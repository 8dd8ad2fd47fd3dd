#include "stats/KeyHeatMap.h"

#include <algorithm>
#include <cmath>

#include "base/Translation.h"
#include "stats/KeyRanking.h"
#include "stats/ProgressTexts.h"

namespace zq {

namespace {

constexpr TColor kGreen = Rgb(60, 180, 75);
constexpr TColor kYellow = Rgb(240, 210, 40);
constexpr TColor kRed = Rgb(220, 50, 40);
constexpr double kPaleShare = 0.7;

std::uint8_t Mix(std::uint8_t from, std::uint8_t to, double share) {
    return static_cast<std::uint8_t>(std::lround(from + (to - from) * share));
}

TColor Blend(TColor from, TColor to, double share) {
    return Rgb(Mix(RedOf(from), RedOf(to), share), Mix(GreenOf(from), GreenOf(to), share),
               Mix(BlueOf(from), BlueOf(to), share));
}

}  // namespace

TColor HeatColor(double errorRate) {
    const double scale = std::clamp(errorRate / kRedErrorRate, 0.0, 1.0);
    return scale < 0.5 ? Blend(kGreen, kYellow, scale * 2) : Blend(kYellow, kRed, (scale - 0.5) * 2);
}

void KeyHeatMap::LoadTemplate(const std::string& path, int codePage) {
    keyboard_.LoadTemplate(path, codePage);
    heat_.assign(Keys().Keys().size(), {});
}

void KeyHeatMap::SetFigures(const std::vector<KeyTally>& keys) {
    heat_.assign(Keys().Keys().size(), {});
    for (const KeyTally& key : keys) {
        const std::optional<CharacterKey> found = keyboard_.KeyOf(key.character);
        if (!found) continue;
        KeyHeat& heat = heat_[found->key];
        heat.typed += key.typed;
        heat.wrong += key.wrong;
        heat.timedKeys += key.timedKeys;
        heat.timeMs += key.timeMs;
        heat.characters += key.character;
    }
}

std::optional<TColor> KeyHeatMap::ColorOf(std::size_t key) const {
    const KeyHeat& heat = HeatOf(key);
    if (heat.typed == 0) return std::nullopt;
    const TColor color = HeatColor(static_cast<double>(heat.wrong) / static_cast<double>(heat.typed));
    return heat.typed < kMinTypedToRank ? Blend(color, clWhite, kPaleShare) : color;
}

std::string KeyHeatMap::TipOf(std::size_t key) const {
    const KeyHeat& heat = HeatOf(key);
    std::string characters;
    for (const char32_t character : heat.characters) {
        if (!characters.empty()) characters += ' ';
        characters += KeyCaption(character);
    }
    if (heat.typed == 0) return Tr("Not practised in these days.");
    const KeyTally sums{0, heat.typed, heat.wrong, heat.timedKeys, heat.timeMs};
    const long permille = std::lround(ErrorRate(sums) * 1000);
    // A decimal number: "4.2" in English, "4,2" in French and German.
    const std::string percent =
        Format(Tr("%d.%d"), {std::to_string(permille / 10), std::to_string(permille % 10)});
    const std::string typed = Format(TrPlural("typed %d time", "typed %d times", PluralCount(heat.typed)),
                                     {std::to_string(heat.typed)});
    return Format(Tr("Key %s — %s, %s (%s %%), %d ms a key"),
                  {characters, typed, WrongOfThem(heat.wrong), percent, std::to_string(MeanTimeMs(sums))});
}

}  // namespace zq
