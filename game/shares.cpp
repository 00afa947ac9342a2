#include "game/shares.h"

namespace game {

namespace {

const std::array<Share, kShareCount> kShares = {{
    {2, "Хлебокомбинат", Group::Food, 2000},
    {3, "Кондитерская фабрика", Group::Food, 2000},
    {4, "Ликёро-водочный завод", Group::Food, 3000},
    {5, "Сеть магазинов светак", Group::Shops, 100},
    {6, "Молочный завод", Group::Food, 1500},
    {7, "Мясо-комбинат \"Ровелс\"", Group::Food, 2500},
    {9, "Рынок \"Новый\"", Group::Bazaars, 500},
    {10, "Магазин \"Супермаркет\"", Group::Shops, 400},
    {11, "Рынок \"Зорна\"", Group::Bazaars, 1000},
    {13, "Универмаг \"Звёздинский\"", Group::Shops, 300},
    {15, "Рынок \"Гостинный двор\"", Group::Bazaars, 700},
    {16, "Сеть магазинов \"Вельмира\"", Group::Shops, 800},
    {18, "Центральный рынок", Group::Bazaars, 1000},
    {19, "Машиностроительный завод", Group::Heavy, 4000},
    {20, "Компьютер сервис", Group::Shops, 100},
    {21, "Кузнечно-прессовый завод", Group::Heavy, 1000},
    {23, "Универмаг \"Медноярск\"", Group::Shops, 1000},
    {24, "Абразивный завод", Group::Heavy, 1000},
    {25, "Металлургический завод", Group::Heavy, 5000},
    {26, "Магазин \"Шагорь\"", Group::Shops, 200},
    {27, "Производственное объединение \"Тарвел\"", Group::Heavy, 3000},
    {29, "Магазин \"Карсил\"", Group::Shops, 200},
    {31, "Завод Металлоконструкций", Group::Heavy, 1000},
    {32, "Автотранспортное предприятие", Group::Transport, 4000},
}};

// Column and row of each square on the 12 x 6 ring, clockwise from the
// top-left corner.
void place(int s, int& col, int& row) {
    if (s <= 12) { col = s - 1; row = 0; }
    else if (s <= 17) { col = 11; row = s - 12; }
    else if (s <= 28) { col = 28 - s; row = 5; }
    else { col = 0; row = 33 - s; }
}

}  // namespace

int groupSize(Group g) {
    switch (g) {
    case Group::Food: return 5;
    case Group::Shops: return 8;
    case Group::Bazaars: return 4;
    case Group::Heavy: return 6;
    case Group::Transport: return 1;
    }
    return 0;
}

const char* groupName(Group g) {
    switch (g) {
    case Group::Food: return "food";
    case Group::Shops: return "shops";
    case Group::Bazaars: return "bazaars";
    case Group::Heavy: return "heavy";
    case Group::Transport: return "transport";
    }
    return "";
}

const Share& share(int n) { return kShares.at(static_cast<std::size_t>(n - 1)); }

int shareOfSquare(int s) {
    for (int n = 1; n <= kShareCount; ++n)
        if (kShares[static_cast<std::size_t>(n - 1)].square == s) return n;
    return 0;
}

SquareKind squareKind(int s) {
    switch (s) {
    case 1: return SquareKind::Start;
    case 8:
    case 22: return SquareKind::Event;
    case 12: return SquareKind::Police;
    case 14: return SquareKind::Bank;
    case 17: return SquareKind::Roulette;
    case 28: return SquareKind::Tax;
    case 30: return SquareKind::Market;
    default: return SquareKind::Share;
    }
}

int squareLeft(int s) {
    int col = 0, row = 0;
    place(s, col, row);
    return 120 + 960 * col;
}

int squareTop(int s) {
    int col = 0, row = 0;
    place(s, col, row);
    return 120 + 1320 * row;
}

int squareOfPosition(int p) { return ((p + 32) % 32 + 32) % 32 + 1; }

int storedPosition(int p) { return (p >= 26 && p <= 31) ? p - 32 : p; }

int tokenLeft(int seat, int s) { return squareLeft(s) + (seat == 1 ? 30 : 360); }
int tokenTop(int, int s) { return squareTop(s) + 30; }

}  // namespace game
