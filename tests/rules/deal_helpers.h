#pragma once
// Helpers for the rule tests of deals, the end of turn and the computer:
// arranging a share as a purchase leaves it, and checking that the markers,
// the owner table, the group counters and the incomes agree.

#include <string>

#include "game/board.h"
#include "game/shares.h"
#include "support/scripted_ports.h"

namespace testing_support {

// Share n owned by seat, as a purchase leaves it (labels not refreshed).
inline void give(game::Board& b, int n, int seat) {
    const game::Share& sh = game::share(n);
    b.owner[static_cast<std::size_t>(n)] = static_cast<std::int16_t>(seat);
    ++b.counter(seat, sh.group);
    b.income(seat) = static_cast<std::int16_t>(b.income(seat) + sh.income());
    b.ak(n).fillColor = b.fish(seat).fillColor;
}

// Every share of the group given to seat.
inline void giveGroup(game::Board& b, game::Group g, int seat) {
    for (int n = 1; n <= game::kShareCount; ++n)
        if (game::share(n).group == g && b.owner[static_cast<std::size_t>(n)] == 0) give(b, n, seat);
}

inline void giveAll(game::Board& b, int seat) {
    for (int n = 1; n <= game::kShareCount; ++n)
        if (b.owner[static_cast<std::size_t>(n)] == 0) give(b, n, seat);
}

// "" when the ownership invariants hold, else what is wrong.
inline std::string ownershipFault(game::Board& b) {
    int counts[3][game::kGroupCount] = {};
    int incomes[3] = {};
    for (int n = 1; n <= game::kShareCount; ++n) {
        const int o = b.owner[static_cast<std::size_t>(n)];
        if (o < 0 || o > 2) return "owner(" + std::to_string(n) + ") = " + std::to_string(o);
        const game::Share& sh = game::share(n);
        const game::Colour want = o == 0 ? game::kUnownedGrey : b.fish(o).fillColor;
        if (b.ak(n).fillColor != want) return "marker ak" + std::to_string(n) + " has the wrong colour";
        ++counts[o][static_cast<int>(sh.group)];
        incomes[o] += sh.income();
    }
    for (int seat : {1, 2}) {
        for (int g = 0; g < game::kGroupCount; ++g)
            if (b.counter(seat, static_cast<game::Group>(g)) != counts[seat][g])
                return std::string("counter ") + game::groupName(static_cast<game::Group>(g)) + std::to_string(seat) +
                       " = " + std::to_string(b.counter(seat, static_cast<game::Group>(g))) + ", owns " +
                       std::to_string(counts[seat][g]);
        if (b.income(seat) != incomes[seat])
            return "income" + std::to_string(seat) + " = " + std::to_string(b.income(seat)) + ", shares give " +
                   std::to_string(incomes[seat]);
    }
    return "";
}

inline bool visible(game::Board& b, const char* name) { return b.find(name)->visible; }

}  // namespace testing_support
