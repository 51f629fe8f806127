// The collision broad phase: a uniform grid over the entries of collisionList, so that a
// scan visits only the entries whose next rectangle can touch self's, and still runs the
// tests and touch dispatches of those entries in list order, exactly as the list-order scan
// does (collision.h). How the grid stays exact while objects move is explained at the top
// of collision_grid.cpp.
#pragma once

#include <cstdint>

namespace simulation {

enum class CollisionScanMode : std::uint8_t {
    Auto,       // the grid for lists of kGridFromEntries entries and more, else the list scan
    Grid,       // the grid whenever it can be used (tests compare it with the list scan)
    ListOrder,  // always the reference list scan
};

inline constexpr std::int32_t kGridFromEntries = 64;

void setCollisionScanMode(CollisionScanMode mode);
CollisionScanMode collisionScanMode();

// Code that changes the position, size, direction, speed or may-move flags of an object
// other than the one being updated, outside the collision dispatch (a spawn places a pool
// object), calls this afterwards, so the grid files the object anew.
void noteObjectPlaced(std::int32_t objectIndex);

// Counters of the scans since the last reset (for benchmarks and tests).
struct CollisionGridStats {
    std::uint64_t scans = 0;       // collisionScan calls
    std::uint64_t gridScans = 0;   // scans the grid answered (at least in part)
    std::uint64_t candidates = 0;  // entries the grid handed to the tests
    std::uint64_t touches = 0;     // dispatches run by grid scans
    std::uint64_t fallbacks = 0;   // grid scans finished by the list scan after a change
    std::uint64_t rebuilds = 0;    // whole-grid rebuilds (one per frame)
};
const CollisionGridStats& collisionGridStats();
void resetCollisionGridStats();

// The grid scan; collisionScan chooses between it and collisionScanListOrder.
void collisionScanGrid(std::int32_t self);

// Forgets the grid (the next grid scan rebuilds it).
void invalidateCollisionGrid();

}  // namespace simulation
