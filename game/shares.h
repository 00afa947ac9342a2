#pragma once
// The fixed data of the board: the ring of 32 squares with their kinds and
// places, the 24 shares with their groups and prices, and the position rules
// that the turns use to find the square under a token.

#include <array>
#include <cstdint>

namespace game {

enum class Group { Food, Shops, Bazaars, Heavy, Transport };
constexpr int kGroupCount = 5;
int groupSize(Group g);
const char* groupName(Group g);  // "food", "shops", ...

enum class SquareKind { Start, Share, Event, Police, Bank, Roulette, Tax, Market };

struct Share {
    int square;          // 1..32: karta number
    const char* title;   // tool-tip of the square
    Group group;
    int price;
    int income() const { return price / 10; }
    int salePrice() const { return price / 2; }
    int buyoutPrice() const { return price * 2; }
};

constexpr int kShareCount = 24;
constexpr int kSquareCount = 32;

// Share n, 1..24.
const Share& share(int n);
// The share on square s (1..32), or 0.
int shareOfSquare(int s);
SquareKind squareKind(int s);

// Twips of square s (1..32): its column and row on the ring.
int squareLeft(int s);
int squareTop(int s);
constexpr int kSquareWidth = 945, kSquareHeight = 1275;

// The square a position names: p in -6..31 gives ((p + 32) mod 32) + 1.
int squareOfPosition(int p);
// What a position is stored as after a token stops: p - 32 for 26..31.
int storedPosition(int p);
// Where seat's token stands on square s (twips).
int tokenLeft(int seat, int s);
int tokenTop(int seat, int s);

}  // namespace game
