// The fixed data of the board: squares, positions, token places, shares.
#include <gtest/gtest.h>

#include <set>

#include "game/shares.h"

using namespace game;

TEST(Squares, ringRunsClockwiseFromTheTopLeftCorner) {
    EXPECT_EQ(squareLeft(1), 120);
    EXPECT_EQ(squareTop(1), 120);
    EXPECT_EQ(squareLeft(12), 120 + 960 * 11);
    EXPECT_EQ(squareTop(17), 120 + 1320 * 5);
    EXPECT_EQ(squareLeft(17), 120 + 960 * 11);
    EXPECT_EQ(squareLeft(28), 120);
    EXPECT_EQ(squareTop(28), 120 + 1320 * 5);
    EXPECT_EQ(squareTop(32), 120 + 1320);
    std::set<std::pair<int, int>> places;
    for (int s = 1; s <= 32; ++s) places.insert({squareLeft(s), squareTop(s)});
    EXPECT_EQ(places.size(), 32u);
}

TEST(Squares, everyPositionAfterARollNamesOneSquare) {
    EXPECT_EQ(squareOfPosition(0), 1);
    EXPECT_EQ(squareOfPosition(31), 32);
    EXPECT_EQ(squareOfPosition(-5), 28);
    EXPECT_EQ(squareOfPosition(-1), 32);
    EXPECT_EQ(squareOfPosition(-6), 27);
    for (int p = -5; p <= -1; ++p) EXPECT_EQ(squareOfPosition(p), squareOfPosition(p + 32));
    EXPECT_EQ(storedPosition(25), 25);
    EXPECT_EQ(storedPosition(26), -6);
    EXPECT_EQ(storedPosition(31), -1);
    EXPECT_EQ(storedPosition(-5), -5);
    EXPECT_EQ(squareKind(28), SquareKind::Tax);
    EXPECT_EQ(squareKind(30), SquareKind::Market);
}

TEST(Squares, bothTokensStandSideBySideOnEverySquare) {
    for (int s = 1; s <= 32; ++s) {
        EXPECT_EQ(tokenLeft(2, s) - tokenLeft(1, s), 330);
        EXPECT_EQ(tokenTop(1, s), tokenTop(2, s));
    }
    EXPECT_EQ(tokenLeft(1, 1), 150);
    EXPECT_EQ(tokenTop(1, 1), 150);
    EXPECT_EQ(tokenLeft(2, 1), 480);
}

TEST(Shares, groupsAndPricesAddUp) {
    int prices = 0, incomes = 0;
    int sizes[kGroupCount] = {};
    for (int n = 1; n <= kShareCount; ++n) {
        const Share& s = share(n);
        EXPECT_EQ(shareOfSquare(s.square), n);
        EXPECT_EQ(squareKind(s.square), SquareKind::Share);
        EXPECT_EQ(s.price % 100, 0);
        prices += s.price;
        incomes += s.income();
        ++sizes[static_cast<int>(s.group)];
    }
    EXPECT_EQ(prices, 36300);
    EXPECT_EQ(incomes, 3630);
    for (Group g : {Group::Food, Group::Shops, Group::Bazaars, Group::Heavy, Group::Transport})
        EXPECT_EQ(sizes[static_cast<int>(g)], groupSize(g));
    EXPECT_EQ(share(4).salePrice(), 50);
    EXPECT_EQ(share(15).buyoutPrice(), 200);
    EXPECT_STREQ(share(21).title, "Производственное объединение \"Тарвел\"");
}
