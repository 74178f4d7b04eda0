#pragma once

#include <array>
#include <cstdint>

namespace vork::rally {

// Fixed geometry of the table, in client pixels; positions are the top-left
// corners of 24 x 24 sprites.
namespace Table {
inline constexpr int Width = 240;
inline constexpr int Height = 335;
inline constexpr int SpriteSize = 24;
inline constexpr int PuckMaxX = 215;
inline constexpr int PuckMaxY = 311;
inline constexpr int CpuMaxX = 215;
inline constexpr int CpuMaxY = 130;
inline constexpr int WinningScore = 15;
}  // namespace Table

inline constexpr int Player = 0;  // mallet index of the player
inline constexpr int Cpu = 1;     // mallet index of the computer

// Everything a match remembers. Mallet arrays: 0 player, 1 CPU. Puck arrays:
// slot 1 is used only in a two-puck match. All zero at start but the phase.
struct MatchState {
    std::array<int, 2> PuckX{};            // puck x, 0 to 215 after the wall step
    std::array<int, 2> PuckY{};            // puck y, 0 to 311 after the wall step
    std::array<int, 2> PuckDX{};           // x step per frame, magnitude 1 to 5
    std::array<std::int16_t, 2> PuckDY{};  // y step per frame, magnitude 1 to 5
    std::array<float, 2> MalletX{};        // the player's keeps the pointer's fractional x
    std::array<std::int16_t, 2> MalletY{};
    std::array<std::int16_t, 2> PuckQuadrant{};  // 1 to 4: side of the CPU mallet each puck lies on
    std::array<float, 2> PuckDistance{};         // distance from the CPU mallet, as last measured
    int CpuDX = 0;                               // CPU mallet step, -1 or 1
    std::int16_t CpuDY = 0;
    int StrikeSpeedX = 0;  // 1 to 5: speeds the next strike gives, shared by both mallets
    std::int16_t StrikeSpeedY = 0;
    int PlayerScore = 0;
    int CpuScore = 0;
    int PuckCount = 0;  // 0 outside a match, else the pucks in play
    std::int16_t WaitingForClick = 0;
    std::array<std::int16_t, 2> MalletContact{};  // latch: mallet touched the puck last tested
};

}  // namespace vork::rally
