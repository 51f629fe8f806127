// The collision grid. Why it finds exactly the touches of the list-order scan:
//
// 1. A test can only hold when the closed x and y spans of the two rectangles intersect
//    (also for negative sizes: each of the four tests puts a corner of one rectangle inside
//    the other's span or makes the spans overlap). The grid keeps every list entry's span
//    as it was when the entry was filed and hands out the entries whose filed span meets
//    self's; the tests then run on these candidates in list order, reading the objects as
//    the list-order scan does. Skipped entries would have given no hit, and a test without
//    a hit changes nothing, so the touches, their order and every random draw agree.
// 2. So the filed span of every entry must equal its object's next rectangle whenever a
//    scan starts. Objects are updated one after another in table order, and an update only
//    changes its own object, with two exceptions handled below. The grid is rebuilt from
//    scratch at the first scan of every frame (so the scroll, the draw pass, input and a
//    level switch are covered), and at every later scan the entries of the objects updated
//    since the previous scan (table indexes previous self .. self) are filed anew.
// 3. The exceptions are changes to other objects: the touch dispatch pushes the touched
//    object (pushObject) and a spawn places a pool object (from an update, or from a
//    handler through a drop). Both call noteObjectPlaced; noted objects are filed anew
//    before the next scan, and during a scan right after the dispatch that noted them: an
//    entry later in the list whose new span meets self's joins the candidates. Handlers
//    otherwise change only self (whose rectangle the scan fixed at its start) or switch the
//    touched object off, which the tests read at test time.
// 4. Where this cannot be shown the list-order scan runs: watchers in the touch slots, a
//    list with entries outside the object table (the list scan raises the fault at the
//    same entry), tables replaced during a scan, or self's span covering most of the grid.
#include "simulation/collision_grid.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

#include "engine/base/fault_guard.h"
#include "engine/engine_settings.h"
#include "engine/world_object.h"
#include "simulation/collision.h"
#include "simulation/touch_handlers.h"

namespace simulation {
namespace {

constexpr base::SourceUnit kSourceUnit = base::SourceUnit::AI;

constexpr std::int64_t kSmallestCell = 8;
constexpr std::int32_t kNoEntry = -1;
constexpr std::size_t kPendingCapacity = 64;

// A rectangle as closed spans: [x0, x1] x [y0, y1].
struct Span {
    std::int64_t x0 = 0;
    std::int64_t x1 = 0;
    std::int64_t y0 = 0;
    std::int64_t y1 = 0;
};

Span spanOf(const CollisionRect& rect) {
    return {std::min(rect.x, rect.x + rect.width), std::max(rect.x, rect.x + rect.width),
            std::min(rect.y, rect.y + rect.height), std::max(rect.y, rect.y + rect.height)};
}

bool spansMeet(const Span& a, const Span& b) {
    return a.x0 <= b.x1 && b.x0 <= a.x1 && a.y0 <= b.y1 && b.y0 <= a.y1;
}

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

// What decides whether the grid still describes the level: a new frame or other tables.
struct Stamp {
    std::uint32_t cycleTicks = 0;
    std::int32_t frameCycle = 0;
    std::uint32_t frameTick = 0;
    const WorldObject* objects = nullptr;
    std::size_t objectCount = 0;
    const std::int32_t* list = nullptr;
    std::size_t listSize = 0;
    std::int32_t listLast = 0;

    bool operator==(const Stamp&) const = default;
};

Stamp currentStamp() {
    const EngineSettings& s = engineSettings;
    return {s.cycleTicks,           s.frameCycle,        s.frameTick,
            worldObjects.data(),    worldObjects.size(), s.collisionList.data(),
            s.collisionList.size(), s.collisionLast};
}

bool sameTables(const Stamp& a, const Stamp& b) {
    return a.objects == b.objects && a.objectCount == b.objectCount && a.list == b.list &&
           a.listSize == b.listSize && a.listLast == b.listLast;
}

struct Grid {
    bool valid = false;
    Stamp stamp;
    std::int32_t lastSelf = kNoEntry;
    std::int32_t entries = 0;

    std::int64_t cell = kSmallestCell;
    std::int64_t originX = 0;
    std::int64_t originY = 0;
    std::int64_t cellsX = 1;
    std::int64_t cellsY = 1;
    std::int32_t largeCell = 0;  // the list of entries wider or higher than a cell

    std::vector<std::int32_t> head;    // per cell, + the large list
    std::vector<std::int32_t> next;    // per entry
    std::vector<std::int32_t> prev;    // per entry
    std::vector<std::int32_t> cellOf;  // per entry
    std::vector<Span> span;            // per entry, as filed

    // The list positions of each object: positions[firstPosition[o] .. firstPosition[o + 1]).
    std::vector<std::int32_t> firstPosition;
    std::vector<std::int32_t> positions;

    std::vector<std::int32_t> listCopy;  // the list as the reverse index was built from it
    std::vector<std::int32_t> candidates;
    std::vector<std::int64_t> scratch;

    std::array<std::int32_t, kPendingCapacity> pending{};
    std::size_t pendingCount = 0;
    bool pendingOverflow = false;
};

Grid& grid() {
    static Grid instance;
    return instance;
}

CollisionScanMode& mode() {
    static CollisionScanMode value = CollisionScanMode::Auto;
    return value;
}

CollisionGridStats& stats() {
    static CollisionGridStats value;
    return value;
}

bool defaultTouchSlots() {
    return touchSlots.handlerFor == touchHandlerFor && touchSlots.player == playerTouch;
}

std::int32_t cellFor(const Grid& g, const Span& sp) {
    if (sp.x1 - sp.x0 > g.cell || sp.y1 - sp.y0 > g.cell) return g.largeCell;
    const std::int64_t cx =
        std::clamp<std::int64_t>(floorDiv(sp.x0 - g.originX, g.cell), 0, g.cellsX - 1);
    const std::int64_t cy =
        std::clamp<std::int64_t>(floorDiv(sp.y0 - g.originY, g.cell), 0, g.cellsY - 1);
    return static_cast<std::int32_t>(cy * g.cellsX + cx);
}

void link(Grid& g, std::int32_t entry, std::int32_t cellIndex) {
    const auto c = static_cast<std::size_t>(cellIndex);
    const auto e = static_cast<std::size_t>(entry);
    g.cellOf[e] = cellIndex;
    g.prev[e] = kNoEntry;
    g.next[e] = g.head[c];
    if (g.head[c] != kNoEntry) g.prev[static_cast<std::size_t>(g.head[c])] = entry;
    g.head[c] = entry;
}

void unlink(Grid& g, std::int32_t entry) {
    const auto e = static_cast<std::size_t>(entry);
    const std::int32_t before = g.prev[e];
    const std::int32_t after = g.next[e];
    if (before != kNoEntry) {
        g.next[static_cast<std::size_t>(before)] = after;
    } else {
        g.head[static_cast<std::size_t>(g.cellOf[e])] = after;
    }
    if (after != kNoEntry) g.prev[static_cast<std::size_t>(after)] = before;
}

Span entrySpan(std::int32_t entry) {
    const std::int32_t object = engineSettings.collisionList[static_cast<std::size_t>(entry)];
    return spanOf(nextRect(object, true));
}

void refile(Grid& g, std::int32_t entry) {
    const Span sp = entrySpan(entry);
    g.span[static_cast<std::size_t>(entry)] = sp;
    const std::int32_t target = cellFor(g, sp);
    if (target == g.cellOf[static_cast<std::size_t>(entry)]) return;
    unlink(g, entry);
    link(g, entry, target);
}

// The value below which `share` of the values lie (values is reordered).
std::int64_t quantile(std::vector<std::int64_t>& values, double share) {
    const auto at = static_cast<std::size_t>(static_cast<double>(values.size() - 1) * share);
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(at),
                     values.end());
    return values[at];
}

// The list is usable when all its entries name objects of the table.
bool listUsable(std::int32_t entries) {
    const EngineSettings& s = engineSettings;
    if (static_cast<std::size_t>(entries) > s.collisionList.size()) return false;
    const auto objects = static_cast<std::int64_t>(worldObjects.size());
    for (std::int32_t k = 0; k < entries; ++k) {
        const std::int32_t object = s.collisionList[static_cast<std::size_t>(k)];
        if (object < 0 || object >= objects) return false;
    }
    return true;
}

void placeCells(Grid& g) {
    const auto n = static_cast<std::size_t>(g.entries);
    g.scratch.resize(n);
    for (std::size_t k = 0; k < n; ++k) {
        g.scratch[k] = std::max(g.span[k].x1 - g.span[k].x0, g.span[k].y1 - g.span[k].y0);
    }
    // Nine entries of ten fit a cell; the rest go to the large list.
    g.cell = std::max(kSmallestCell, quantile(g.scratch, 0.9) + 1);
    for (std::size_t k = 0; k < n; ++k)
        g.scratch[k] = g.span[k].x0;
    g.originX = quantile(g.scratch, 0.01);
    const std::int64_t endX = quantile(g.scratch, 0.99);
    for (std::size_t k = 0; k < n; ++k)
        g.scratch[k] = g.span[k].y0;
    g.originY = quantile(g.scratch, 0.01);
    const std::int64_t endY = quantile(g.scratch, 0.99);
    // About one entry per cell or fewer cells; entries outside lie in the border cells.
    const std::int64_t cap = std::max<std::int64_t>(64, 2 * static_cast<std::int64_t>(n));
    for (;;) {
        g.cellsX = (endX - g.originX) / g.cell + 1;
        g.cellsY = (endY - g.originY) / g.cell + 1;
        if (g.cellsX <= cap && g.cellsY <= cap && g.cellsX * g.cellsY <= cap) break;
        g.cell *= 2;
    }
}

// Cells and links for the spans in g.span.
void placeAndLink(Grid& g) {
    if (g.entries > 0) placeCells(g);
    g.largeCell = static_cast<std::int32_t>(g.cellsX * g.cellsY);
    g.head.assign(static_cast<std::size_t>(g.largeCell) + 1, kNoEntry);
    for (std::int32_t k = g.entries - 1; k >= 0; --k)
        link(g, k, cellFor(g, g.span[static_cast<std::size_t>(k)]));
}

bool rebuild(Grid& g, const Stamp& stamp) {
    const EngineSettings& s = engineSettings;
    g.valid = false;
    g.entries = std::max(0, s.collisionLast + 1);
    if (!listUsable(g.entries)) return false;
    const auto n = static_cast<std::size_t>(g.entries);
    g.span.resize(n);
    g.next.resize(n);
    g.prev.resize(n);
    g.cellOf.resize(n);
    if (g.candidates.capacity() < n) g.candidates.reserve(n);
    for (std::int32_t k = 0; k < g.entries; ++k)
        g.span[static_cast<std::size_t>(k)] = entrySpan(k);
    placeAndLink(g);

    const std::size_t objects = worldObjects.size();
    g.firstPosition.assign(objects + 1, 0);
    for (std::size_t k = 0; k < n; ++k)
        g.firstPosition[static_cast<std::size_t>(s.collisionList[k]) + 1] += 1;
    for (std::size_t o = 0; o < objects; ++o)
        g.firstPosition[o + 1] += g.firstPosition[o];
    g.positions.resize(n);
    g.scratch.assign(g.firstPosition.begin(), g.firstPosition.end() - 1);
    for (std::size_t k = 0; k < n; ++k) {
        auto& slot = g.scratch[static_cast<std::size_t>(s.collisionList[k])];
        g.positions[static_cast<std::size_t>(slot)] = static_cast<std::int32_t>(k);
        ++slot;
    }
    g.listCopy.assign(s.collisionList.begin(),
                      s.collisionList.begin() + static_cast<std::ptrdiff_t>(n));

    g.pendingCount = 0;
    g.pendingOverflow = false;
    g.stamp = stamp;
    g.valid = true;
    ++stats().rebuilds;
    return true;
}

bool outsideCells(const Grid& g, const Span& sp) {
    return sp.x0 < g.originX || sp.y0 < g.originY || sp.x0 >= g.originX + g.cellsX * g.cell ||
           sp.y0 >= g.originY + g.cellsY * g.cell;
}

// A new frame on the same list: every entry filed anew where its span moved; new cells
// when many entries fell outside the grid or grew larger than a cell.
bool refreshAll(Grid& g, const Stamp& stamp) {
    const EngineSettings& s = engineSettings;
    if (!sameTables(stamp, g.stamp) ||
        !std::equal(g.listCopy.begin(), g.listCopy.end(), s.collisionList.begin())) {
        return rebuild(g, stamp);
    }
    std::int32_t misplaced = 0;
    for (std::int32_t k = 0; k < g.entries; ++k) {
        refile(g, k);
        const Span& sp = g.span[static_cast<std::size_t>(k)];
        if (g.cellOf[static_cast<std::size_t>(k)] == g.largeCell || outsideCells(g, sp))
            ++misplaced;
    }
    if (misplaced * 4 > g.entries + 64) placeAndLink(g);
    g.pendingCount = 0;
    g.pendingOverflow = false;
    g.stamp = stamp;
    ++stats().rebuilds;
    return true;
}

template <class Visit>
void forEachPosition(const Grid& g, std::int32_t object, Visit visit) {
    const auto o = static_cast<std::size_t>(object);
    for (std::int32_t p = g.firstPosition[o]; p < g.firstPosition[o + 1]; ++p)
        visit(g.positions[static_cast<std::size_t>(p)]);
}

// Files the noted objects anew; entries after `after` that now meet `self` join the
// candidates still to come.
void takePending(Grid& g, std::int32_t after, const Span* self) {
    const std::size_t count = g.pendingCount;
    g.pendingCount = 0;
    for (std::size_t i = 0; i < count; ++i) {
        forEachPosition(g, g.pending[i], [&](std::int32_t entry) {
            refile(g, entry);
            if (self == nullptr || entry <= after) return;
            if (!spansMeet(g.span[static_cast<std::size_t>(entry)], *self)) return;
            const auto place = std::lower_bound(g.candidates.begin(), g.candidates.end(), entry);
            if (place == g.candidates.end() || *place != entry) g.candidates.insert(place, entry);
        });
    }
}

// Brings the grid up to the state in front of self's scan; false when it cannot be used.
bool prepare(Grid& g, std::int32_t self) {
    const Stamp stamp = currentStamp();
    const bool fresh = !g.valid || g.pendingOverflow || !(stamp == g.stamp) || self <= g.lastSelf;
    const std::int32_t from = std::max(0, g.lastSelf);
    g.lastSelf = self;
    if (!g.valid) return rebuild(g, stamp);
    if (fresh) return refreshAll(g, stamp);
    const auto objects = static_cast<std::int32_t>(worldObjects.size());
    for (std::int32_t o = from; o <= self && o < objects; ++o)
        forEachPosition(g, o, [&g](std::int32_t entry) { refile(g, entry); });
    takePending(g, 0, nullptr);
    return true;
}

// The candidates of self's span, in list order; false when the query would cover most of
// the grid (the list scan is cheaper then).
bool collectCandidates(Grid& g, const Span& self) {
    g.candidates.clear();
    const std::int64_t x0 =
        std::clamp<std::int64_t>(floorDiv(self.x0 - g.cell - g.originX, g.cell), 0, g.cellsX - 1);
    const std::int64_t x1 =
        std::clamp<std::int64_t>(floorDiv(self.x1 - g.originX, g.cell), 0, g.cellsX - 1);
    const std::int64_t y0 =
        std::clamp<std::int64_t>(floorDiv(self.y0 - g.cell - g.originY, g.cell), 0, g.cellsY - 1);
    const std::int64_t y1 =
        std::clamp<std::int64_t>(floorDiv(self.y1 - g.originY, g.cell), 0, g.cellsY - 1);
    if ((x1 - x0 + 1) * (y1 - y0 + 1) * 4 > g.cellsX * g.cellsY + g.entries) return false;
    auto gather = [&g, &self](std::int32_t cellIndex) {
        for (std::int32_t k = g.head[static_cast<std::size_t>(cellIndex)]; k != kNoEntry;
             k = g.next[static_cast<std::size_t>(k)]) {
            if (spansMeet(g.span[static_cast<std::size_t>(k)], self)) g.candidates.push_back(k);
        }
    };
    for (std::int64_t cy = y0; cy <= y1; ++cy) {
        for (std::int64_t cx = x0; cx <= x1; ++cx)
            gather(static_cast<std::int32_t>(cy * g.cellsX + cx));
    }
    gather(g.largeCell);
    std::sort(g.candidates.begin(), g.candidates.end());
    return true;
}

// The list scan's step for entry k; returns whether a dispatch ran.
bool testEntry(std::int32_t self, std::int64_t k, const CollisionRect& selfRect) {
    const EngineSettings& s = engineSettings;
    const std::int32_t other = CHECKED_AT(s.collisionList, k);
    if (other == self) return false;
    const WorldObject& candidate = CHECKED_AT(worldObjects, other);
    if (candidate.worldFTileIsActive != kObjectActive || candidate.worldFTileCollision == 0) {
        return false;
    }
    return collisionTest(self, other, selfRect, nextRect(other, true));
}

// The rest of the list after entry k, as the list-order scan runs it.
void finishInListOrder(std::int32_t self, std::int64_t k, const CollisionRect& selfRect) {
    for (std::int64_t rest = k + 1; rest <= engineSettings.collisionLast; ++rest)
        testEntry(self, rest, selfRect);
}

}  // namespace

void setCollisionScanMode(CollisionScanMode value) {
    mode() = value;
    invalidateCollisionGrid();
}

CollisionScanMode collisionScanMode() {
    return mode();
}

void noteObjectPlaced(std::int32_t objectIndex) {
    Grid& g = grid();
    if (!g.valid) return;
    if (objectIndex < 0 || static_cast<std::size_t>(objectIndex) >= worldObjects.size()) return;
    if (g.pendingCount == kPendingCapacity) {
        g.pendingOverflow = true;
        return;
    }
    g.pending[g.pendingCount++] = objectIndex;
}

const CollisionGridStats& collisionGridStats() {
    return stats();
}

void resetCollisionGridStats() {
    stats() = CollisionGridStats{};
}

void invalidateCollisionGrid() {
    grid().valid = false;
}

void collisionScanGrid(std::int32_t self) {
    const EngineSettings& s = engineSettings;
    Grid& g = grid();
    ++stats().scans;
    const bool wanted =
        mode() == CollisionScanMode::Grid ||
        (mode() == CollisionScanMode::Auto && s.collisionLast + 1 >= kGridFromEntries);
    if (!wanted || !defaultTouchSlots() || !prepare(g, self)) {
        g.valid = false;
        collisionScanListOrder(self);
        return;
    }
    const CollisionRect selfRect = nextRect(self, false);
    const Span selfSpan = spanOf(selfRect);
    if (!collectCandidates(g, selfSpan)) {
        collisionScanListOrder(self);
        return;
    }
    ++stats().gridScans;
    stats().candidates += g.candidates.size();
    const Stamp tables = g.stamp;
    // An index, not an iterator: a pending entry may join the candidates during the loop.
    for (std::size_t i = 0; i < g.candidates.size(); ++i) {
        const std::int32_t k = g.candidates[i];
        if (k > s.collisionLast) break;
        if (!testEntry(self, k, selfRect)) continue;
        ++stats().touches;
        if (!sameTables(currentStamp(), tables) || g.pendingOverflow) {
            ++stats().fallbacks;
            g.valid = false;
            finishInListOrder(self, k, selfRect);
            return;
        }
        if (g.pendingCount > 0) takePending(g, k, &selfSpan);
    }
}

}  // namespace simulation
