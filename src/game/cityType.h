#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "game/GameRandom.h"
#include "game/GameSurface.h"
#include "game/TGameSettings.h"
#include "game/strikerType.h"

namespace zq {

// What a falling word meets at the city (checked once per drop step).
struct CityContact {
    enum Kind { None, Hit, Ground };
    Kind kind = None;
    std::int32_t row = 0;  // the row hit, for Hit
};

// The city of bricks at the bottom of the playing area: CityRows rows of
// Columns cells, both counted from 1, row 1 at the top. The grid is as wide
// as the columns, so no screen width or font size reaches outside it.
class cityType {
public:
    // Builds the city on the line `base` (the height of the playing area):
    // seeds the generator from the clock, then every column gets a solid
    // stack of bricks from a random highest row down.
    cityType(std::int32_t base, const TGameSettings& settings, GameRandom& random);

    std::int32_t Base;  // y of the city's bottom line

    void Draw(GameSurface& surface) const;
    std::int32_t CountBricks() const;
    // The bricks the city started the game with: those standing and those
    // knocked down since.
    std::int32_t InitialBricks() const { return CountBricks() + fallen_; }
    // Clears the band of `row` from column `first` to the column before `after`.
    void EraseBricks(GameSurface& surface, std::int32_t row, std::int32_t first, std::int32_t after) const;

    // Whether the word, where it stands, hits a row of bricks or has sunk to
    // the ground (nothing changes).
    CityContact Contact(const strikerType& word) const;
    // The bricks of `row` under the word fall and their strip is cleared.
    void KnockDown(GameSurface& surface, std::int32_t row, const strikerType& word);

    // Geometry.
    std::int32_t Top() const;                        // y of the top of row 1
    std::int32_t RowBottom(std::int32_t row) const;  // y of the bottom line of a row
    GameRect CellRect(std::int32_t row, std::int32_t column) const;

    bool HasBrick(std::int32_t row, std::int32_t column) const;
    void SetBrick(std::int32_t row, std::int32_t column, bool brick);

private:
    void Build(GameRandom& random);
    bool Inside(std::int32_t row, std::int32_t column) const;
    // Where a brick inside the city is kept in bricks_.
    std::size_t BrickIndex(std::int32_t row, std::int32_t column) const;
    // The columns under the word's visible letters.
    std::int32_t LastColumnUnder(const strikerType& word) const;

    TGameSettings settings_;
    std::int32_t rows_;
    std::int32_t columns_;
    std::vector<std::uint8_t> bricks_;  // row by row
    std::int32_t fallen_ = 0;           // bricks knocked down by words
};

}  // namespace zq
