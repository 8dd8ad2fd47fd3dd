#include "game/cityType.h"

#include <algorithm>

namespace zq {

cityType::cityType(std::int32_t base, const TGameSettings& settings, GameRandom& random)
    : Base(base),
      settings_(settings),
      rows_(std::max(settings.CityRows, 0)),
      columns_(std::max(settings.Columns, 0)),
      bricks_(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(columns_), 0) {
    Build(random);
}

void cityType::Build(GameRandom& random) {
    random.SeedFromClock();
    for (std::int32_t c = 1; c <= columns_; ++c) SetBrick(1, c, Chance(random, 40));
    for (std::int32_t r = 2; r <= rows_; ++r)
        for (std::int32_t c = 1; c <= columns_; ++c) SetBrick(r, c, HasBrick(r - 1, c) || Chance(random, 40));
}

bool cityType::Inside(std::int32_t row, std::int32_t column) const {
    return row >= 1 && row <= rows_ && column >= 1 && column <= columns_;
}

std::size_t cityType::BrickIndex(std::int32_t row, std::int32_t column) const {
    return static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(columns_) +
           static_cast<std::size_t>(column - 1);
}

bool cityType::HasBrick(std::int32_t row, std::int32_t column) const {
    if (!Inside(row, column)) return false;
    return bricks_[BrickIndex(row, column)] != 0;
}

void cityType::SetBrick(std::int32_t row, std::int32_t column, bool brick) {
    if (Inside(row, column)) bricks_[BrickIndex(row, column)] = brick;
}

std::int32_t cityType::Top() const {
    return Base - settings_.CityRows * settings_.CellSize;
}

std::int32_t cityType::RowBottom(std::int32_t row) const {
    return Base - (settings_.CityRows - row) * settings_.CellSize;
}

GameRect cityType::CellRect(std::int32_t row, std::int32_t column) const {
    const std::int32_t size = settings_.CellSize;
    return GameRect{(column - 1) * size, RowBottom(row) - size, column * size, RowBottom(row)};
}

void cityType::Draw(GameSurface& surface) const {
    for (std::int32_t r = 1; r <= rows_; ++r)
        for (std::int32_t c = 1; c <= columns_; ++c)
            if (HasBrick(r, c)) surface.FillRect(CellRect(r, c), BrickColor);
}

std::int32_t cityType::CountBricks() const {
    return static_cast<std::int32_t>(std::count(bricks_.begin(), bricks_.end(), 1));
}

void cityType::EraseBricks(GameSurface& surface, std::int32_t row, std::int32_t first,
                           std::int32_t after) const {
    const std::int32_t size = settings_.CellSize;
    surface.FillRect(GameRect{(first - 1) * size, RowBottom(row) - size, (after - 1) * size, RowBottom(row)},
                     settings_.BackColor);
}

std::int32_t cityType::LastColumnUnder(const strikerType& word) const {
    return word.Column + word.VisibleLen(settings_) - 1;
}

CityContact cityType::Contact(const strikerType& word) const {
    const std::int32_t bottom = word.Y + settings_.CellSize;
    if (bottom < Top()) return {};
    // The highest row with a brick under any letter is hit, even when the
    // word's bottom has only reached the city top.
    for (std::int32_t r = 1; r <= rows_; ++r) {
        if (bottom >= RowBottom(r)) continue;
        for (std::int32_t c = word.Column; c <= LastColumnUnder(word); ++c)
            if (HasBrick(r, c)) return {CityContact::Hit, r};
    }
    if (word.Y >= Base) return {CityContact::Ground, 0};
    return {};
}

void cityType::KnockDown(GameSurface& surface, std::int32_t row, const strikerType& word) {
    const std::int32_t last = LastColumnUnder(word);
    for (std::int32_t c = word.Column; c <= last; ++c) {
        if (!HasBrick(row, c)) continue;
        SetBrick(row, c, false);
        ++fallen_;
    }
    EraseBricks(surface, row, word.Column, last + 1);
}

}  // namespace zq
