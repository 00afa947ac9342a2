// Deals made by clicking a share square: the one-shot modes, their order,
// the buy-out question, sales and market purchases.
#include <gtest/gtest.h>

#include "game/board.h"
#include "game/game.h"
#include "rules/deal_helpers.h"

using namespace testing_support;

namespace {

constexpr game::Colour kRed = 0xFF, kBlue = 0xFF0000;

class Deals : public ::testing::Test {
protected:
    Harness h;
    game::Board* b = nullptr;

    void SetUp() override {
        h.startGame("Аня", "Борис", "Компьютер", "Красный", "Синий");
        b = &h.game.torgal();
    }
    // A click on the square of share n.
    void clickShare(int n) { h.game.click("torgal", "karta" + std::to_string(game::share(n).square)); }
};

TEST_F(Deals, armingButtonsOnlySetTheirMode) {
    h.game.click("torgal", "prod2");
    EXPECT_EQ(b->sellmode, 2);
    h.game.click("torgal", "prod1");
    h.game.click("torgal", "prod1");
    EXPECT_EQ(b->sellmode, 1);
    h.game.click("torgal", "wikup1");
    h.game.click("torgal", "wikup1");
    EXPECT_EQ(b->buyoutmode, 1);
    EXPECT_EQ(b->marketmode, 0);
    EXPECT_TRUE(h.dialogs.boxes.empty());
}

TEST_F(Deals, shareSquareWithoutAModeDoesNothing) {
    give(*b, 5, 1);
    clickShare(5);
    clickShare(6);
    EXPECT_EQ(b->owner[5], 1);
    EXPECT_EQ(b->owner[6], 0);
    EXPECT_EQ(b->money1, 10000);
    EXPECT_TRUE(h.dialogs.boxes.empty());
}

TEST_F(Deals, buyOutTakesTheNextClickBeforeASaleAndIsSpentEvenOnAnotherShare) {
    give(*b, 5, 1);
    b->buyoutmode = 1;
    b->sellmode = 1;
    clickShare(5);  // player 1's own share: not a buy-out, and no sale either
    EXPECT_EQ(b->buyoutmode, 0);
    EXPECT_EQ(b->sellmode, 1);
    EXPECT_EQ(b->owner[5], 1);
    EXPECT_TRUE(h.dialogs.boxes.empty());
    clickShare(5);  // now the sale
    EXPECT_EQ(b->owner[5], 0);
    EXPECT_EQ(b->sellmode, 0);
}

TEST_F(Deals, armedSaleBlocksAMarketPurchase) {
    b->sellmode = 1;
    b->marketmode = 1;
    clickShare(7);
    EXPECT_EQ(b->owner[7], 0);
    EXPECT_EQ(b->sellmode, 1);
    EXPECT_EQ(b->marketmode, 1);
    EXPECT_EQ(b->money1, 10000);
}

TEST_F(Deals, buyOutAsksWithEachSharesOwnPrice) {
    for (int n = 1; n <= game::kShareCount; ++n) give(*b, n, 2);
    for (int n = 1; n <= game::kShareCount; ++n) {
        b->buyoutmode = 1;
        h.dialogs.answers.push_back(game::Answer::No);
        clickShare(n);
        ASSERT_EQ(h.dialogs.boxes.size(), static_cast<std::size_t>(n));
        const Box& q = h.dialogs.boxes.back();
        EXPECT_EQ(q.text, "Вы действительно хотите выкупить эту акцию за " +
                              std::to_string(2 * game::share(n).price) + "?");
        EXPECT_EQ(q.title, "Выкуп акции");
        EXPECT_EQ(q.style, 4);
    }
    EXPECT_EQ(h.dialogs.boxes[0].text, "Вы действительно хотите выкупить эту акцию за 4000?");
    EXPECT_EQ(h.dialogs.boxes[3].text, "Вы действительно хотите выкупить эту акцию за 200?");
    EXPECT_EQ(b->money1, 10000);
    EXPECT_EQ(ownershipFault(*b), "");
}

TEST_F(Deals, buyOutWithCashEqualToTwiceThePriceSucceeds) {
    giveGroup(*b, game::Group::Bazaars, 2);
    b->msgoff = 1;  // the question is asked whatever the switch says
    b->money1 = 2000;
    b->buyoutmode = 1;
    h.dialogs.answers.push_back(game::Answer::Yes);
    clickShare(9);  // price 1000
    ASSERT_EQ(h.dialogs.boxes.size(), 1u);
    EXPECT_EQ(b->owner[9], 1);
    EXPECT_EQ(b->money1, 0);
    EXPECT_EQ(b->money2, 12000);
    EXPECT_EQ(b->bazaars1, 1);
    EXPECT_EQ(b->bazaars2, 3);
    EXPECT_EQ(b->income1, 100);
    EXPECT_EQ(b->income2, 220);
    EXPECT_EQ(b->ak(9).fillColor, kRed);
    EXPECT_EQ(b->find("mon1")->caption, "0");
    EXPECT_EQ(b->find("mon2")->caption, "12000");
    EXPECT_EQ(b->find("dochak1")->caption, "100");
    EXPECT_EQ(b->find("dochak2")->caption, "220");
    EXPECT_EQ(b->buyoutmode, 0);
    EXPECT_EQ(ownershipFault(*b), "");
}

TEST_F(Deals, buyOutOneBelowTwiceThePriceIsRefusedAfterTheYes) {
    give(*b, 9, 2);
    b->money1 = 1999;
    b->buyoutmode = 1;
    h.dialogs.answers.push_back(game::Answer::Yes);
    clickShare(9);
    ASSERT_EQ(h.dialogs.boxes.size(), 2u);
    EXPECT_EQ(h.dialogs.boxes[1].text, "У вас нет таких денег");
    EXPECT_EQ(h.dialogs.boxes[1].title, "Нет денег");
    EXPECT_EQ(h.dialogs.boxes[1].style, 16);
    EXPECT_EQ(b->owner[9], 2);
    EXPECT_EQ(b->money1, 1999);
    EXPECT_EQ(b->buyoutmode, 0);
}

TEST_F(Deals, buyOutRefusedOrOfAShareNotTheComputersChangesNothing) {
    give(*b, 9, 2);
    b->buyoutmode = 1;
    h.dialogs.answers.push_back(game::Answer::No);
    clickShare(9);
    EXPECT_EQ(b->owner[9], 2);
    EXPECT_EQ(b->buyoutmode, 0);
    b->buyoutmode = 1;
    clickShare(10);  // free share: no question
    EXPECT_EQ(h.dialogs.boxes.size(), 1u);
    EXPECT_EQ(b->owner[10], 0);
    EXPECT_EQ(b->buyoutmode, 0);
}

TEST_F(Deals, saleIsAllowedWithNegativeCashAndNeedsItsOwnPress) {
    give(*b, 4, 1);
    give(*b, 24, 1);
    b->money1 = -300;
    b->sellmode = 1;
    clickShare(4);
    EXPECT_EQ(b->money1, -250);
    EXPECT_EQ(b->find("mon1")->caption, "-250");
    EXPECT_EQ(b->owner[4], 0);
    EXPECT_EQ(b->ak(4).fillColor, game::kUnownedGrey);
    EXPECT_EQ(b->shops1, 0);
    EXPECT_EQ(b->income1, 400);
    EXPECT_EQ(b->find("dochak1")->caption, "400");
    EXPECT_EQ(b->sellmode, 0);
    clickShare(24);
    EXPECT_EQ(b->owner[24], 1) << "a second sale needs a second press";
    b->sellmode = 1;
    clickShare(24);
    EXPECT_EQ(b->transport1, 0);
    EXPECT_EQ(b->money1, 1750);
    EXPECT_TRUE(h.dialogs.boxes.empty());
    EXPECT_EQ(ownershipFault(*b), "");
}

TEST_F(Deals, saleOfAShareNotTheSellersKeepsTheModeArmed) {
    give(*b, 4, 2);
    b->sellmode = 1;
    clickShare(4);
    clickShare(5);
    EXPECT_EQ(b->owner[4], 2);
    EXPECT_EQ(b->sellmode, 1);
    EXPECT_EQ(b->money1, 10000);
}

TEST_F(Deals, marketPurchaseWithCashEqualToThePriceLeavesNothing) {
    b->marketmode = 2;
    b->money2 = 4000;
    clickShare(24);
    EXPECT_EQ(b->owner[24], 2);
    EXPECT_EQ(b->transport2, 1);
    EXPECT_EQ(b->money2, 0);
    EXPECT_EQ(b->income2, 400);
    EXPECT_EQ(b->ak(24).fillColor, kBlue);
    EXPECT_EQ(b->find("mon2")->caption, "0");
    EXPECT_EQ(b->find("dochak2")->caption, "400");
    EXPECT_EQ(b->marketmode, 0);
    EXPECT_TRUE(h.dialogs.boxes.empty());
    EXPECT_EQ(ownershipFault(*b), "");
}

TEST_F(Deals, marketPurchaseOneShortOrOfAnOwnedShareKeepsTheModeArmed) {
    give(*b, 1, 2);
    b->marketmode = 1;
    b->money1 = 2999;
    clickShare(3);  // price 3000
    clickShare(1);  // owned
    EXPECT_EQ(b->owner[3], 0);
    EXPECT_EQ(b->owner[1], 2);
    EXPECT_EQ(b->marketmode, 1);
    EXPECT_EQ(b->money1, 2999);
    clickShare(2);  // price 2000: affordable
    EXPECT_EQ(b->owner[2], 1);
    EXPECT_EQ(b->money1, 999);
    EXPECT_EQ(b->marketmode, 0);
}

}  // namespace
