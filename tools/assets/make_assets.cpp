// make_assets: draws the board squares, the die faces and the "about" picture
// of Торгалия and writes them, together with assets.qrc, into one folder.
//
//   make_assets <output-folder>
//
// Every picture is drawn twice, at 100 % and at 200 % (the "@2x" files), from
// the same vector drawing code, so the board stays crisp on high-DPI screens.
// The output depends only on this file and the Liberation fonts, so running it
// again gives byte-identical files.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>
#include <QStringList>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kSquareW = 63;
constexpr int kSquareH = 85;
constexpr int kMarkerStrip = 19;  // the ownership strip covers rows 0..18
constexpr int kDieSize = 43;
constexpr int kAboutW = 239;
constexpr int kAboutH = 200;

const QString kSans = QStringLiteral("Liberation Sans");
const QString kSerif = QStringLiteral("Liberation Serif");

class AssetError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

QFont makeFont(const QString& family, int pixelSize, bool bold)
{
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// Draws one line of text centred in `box`; a line that does not fit is an
// error, because a clipped caption on the board is worse than a failed build.
// The pen position is snapped to whole pixels so hinted glyphs stay sharp.
void drawFittedText(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                    const QColor& colour)
{
    const QFontMetricsF fm(font);
    const qreal width = fm.horizontalAdvance(text);
    if (width > box.width() + 0.01)
        throw AssetError(QStringLiteral("text \"%1\" is %2 px wide, only %3 px available")
                             .arg(text)
                             .arg(width)
                             .arg(box.width())
                             .toStdString());
    const qreal x = std::round(box.center().x() - width / 2);
    const qreal baseline = std::round(box.center().y() + (fm.ascent() - fm.descent()) / 2);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QPointF(x, baseline), text);
}

// A 1 px frame built from filled strips: sharp at every scale.
void drawFrame(QPainter& p, int w, int h, const QColor& colour)
{
    p.fillRect(QRectF(0, 0, w, 1), colour);
    p.fillRect(QRectF(0, h - 1, w, 1), colour);
    p.fillRect(QRectF(0, 0, 1, h), colour);
    p.fillRect(QRectF(w - 1, 0, 1, h), colour);
}

enum class Metal { Gold, Copper };

void drawCoin(QPainter& p, QPointF centre, qreal r, Metal metal = Metal::Gold,
              const QString& mark = QString())
{
    const bool gold = metal == Metal::Gold;
    const QColor light = gold ? QColor(0xFF, 0xE9, 0x8C) : QColor(0xFF, 0xD4, 0xAE);
    const QColor mid = gold ? QColor(0xF2, 0xB8, 0x3A) : QColor(0xDB, 0x86, 0x4C);
    const QColor edge = gold ? QColor(0xC4, 0x84, 0x1D) : QColor(0xA0, 0x52, 0x24);
    const QColor ink = gold ? QColor(0x8A, 0x5A, 0x12) : QColor(0x5E, 0x2A, 0x0E);
    QRadialGradient g(centre - QPointF(r * 0.35, r * 0.35), r * 1.3);
    g.setColorAt(0, light);
    g.setColorAt(0.6, mid);
    g.setColorAt(1, edge);
    p.setPen(QPen(ink, qMax<qreal>(0.8, r / 7)));
    p.setBrush(g);
    p.drawEllipse(centre, r, r);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(edge, qMax<qreal>(0.6, r / 10)));
    p.drawEllipse(centre, r * 0.72, r * 0.72);
    if (!mark.isEmpty()) {
        p.setFont(makeFont(kSerif, qMax(6, qRound(r * 1.1)), true));
        p.setPen(ink);
        p.drawText(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), Qt::AlignCenter, mark);
    }
}

// A coin seen edge-on in a stack: an ellipse with a rim.
void drawStackedCoin(QPainter& p, QPointF centre, qreal rx, qreal ry)
{
    p.setPen(QPen(QColor(0x5E, 0x2A, 0x0E), 0.8));
    p.setBrush(QColor(0xA0, 0x52, 0x24));
    p.drawRect(QRectF(centre.x() - rx, centre.y(), 2 * rx, 3));
    p.drawEllipse(QPointF(centre.x(), centre.y() + 3), rx, ry);
    QLinearGradient g(centre.x() - rx, 0, centre.x() + rx, 0);
    g.setColorAt(0, QColor(0xF0, 0xA8, 0x70));
    g.setColorAt(1, QColor(0xC8, 0x6E, 0x34));
    p.setBrush(g);
    p.drawEllipse(centre, rx, ry);
}

// ---------------------------------------------------------------------------
// Share squares

enum class Group { Food, Shops, Bazaars, Heavy, Transport };

struct GroupLook {
    QColor band;    // header colour under the ownership strip
    QColor tint;    // background of the visible part
    QColor accent;  // pictogram and price-plate border
    QColor plate;   // price plate fill
};

GroupLook lookOf(Group g)
{
    switch (g) {
    case Group::Food:
        return {QColor(0xE0, 0x7B, 0x1F), QColor(0xF8, 0xC0, 0x82), QColor(0x8A, 0x45, 0x0C),
                QColor(0xFF, 0xF4, 0xE6)};
    case Group::Shops:
        return {QColor(0x2F, 0x6F, 0xC0), QColor(0x9F, 0xC6, 0xEE), QColor(0x17, 0x4A, 0x8C),
                QColor(0xEE, 0xF5, 0xFD)};
    case Group::Bazaars:
        return {QColor(0x3C, 0x9A, 0x3E), QColor(0xA9, 0xDA, 0x9B), QColor(0x1F, 0x63, 0x24),
                QColor(0xF0, 0xF9, 0xEC)};
    case Group::Heavy:
        return {QColor(0x8E, 0x24, 0x24), QColor(0xB6, 0xBE, 0xC8), QColor(0x7A, 0x1C, 0x1C),
                QColor(0xF1, 0xF3, 0xF5)};
    case Group::Transport:
        return {QColor(0xE8, 0xB5, 0x00), QColor(0xF7, 0xDF, 0x6E), QColor(0x5A, 0x45, 0x00),
                QColor(0xFF, 0xFA, 0xE0)};
    }
    return {};
}

struct Share {
    int square;
    Group group;
    int price;
    QStringList lines;  // the enterprise's name, already broken into lines
};

const std::vector<Share>& shares()
{
    static const std::vector<Share> list = {
        {2, Group::Food, 2000, {"Хлебо-", "комбинат"}},
        {3, Group::Food, 2000, {"Кондитерская", "фабрика"}},
        {4, Group::Food, 3000, {"Ликёро-", "водочный", "завод"}},
        {5, Group::Shops, 100, {"Сеть", "магазинов", "«Светак»"}},
        {6, Group::Food, 1500, {"Молочный", "завод"}},
        {7, Group::Food, 2500, {"Мясо-", "комбинат", "«Ровелс»"}},
        {9, Group::Bazaars, 500, {"Рынок", "«Новый»"}},
        {10, Group::Shops, 400, {"Магазин", "«Супер-", "маркет»"}},
        {11, Group::Bazaars, 1000, {"Рынок", "«Зорна»"}},
        {13, Group::Shops, 300, {"Универмаг", "«Звёздин-", "ский»"}},
        {15, Group::Bazaars, 700, {"Рынок", "«Гостинный", "двор»"}},
        {16, Group::Shops, 800, {"Сеть", "магазинов", "«Вельмира»"}},
        {18, Group::Bazaars, 1000, {"Центральный", "рынок"}},
        {19, Group::Heavy, 4000, {"Машино-", "строитель-", "ный завод"}},
        {20, Group::Shops, 100, {"Компьютер", "сервис"}},
        {21, Group::Heavy, 1000, {"Кузнечно-", "прессовый", "завод"}},
        {23, Group::Shops, 1000, {"Универмаг", "«Медноярск»"}},
        {24, Group::Heavy, 1000, {"Абразивный", "завод"}},
        {25, Group::Heavy, 5000, {"Металлур-", "гический", "завод"}},
        {26, Group::Shops, 200, {"Магазин", "«Шагорь»"}},
        {27, Group::Heavy, 3000, {"Произв.", "объединение", "«Тарвел»"}},
        {29, Group::Shops, 200, {"Магазин", "«Карсил»"}},
        {31, Group::Heavy, 1000, {"Завод", "металло-", "конструкций"}},
        {32, Group::Transport, 4000, {"Авто-", "транспортное", "предприятие"}},
    };
    return list;
}

// Group pictograms are drawn on a 16 x 16 grid, scaled into their box.

void drawWheat(QPainter& p, const QColor& c)
{
    p.setPen(QPen(c, 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 15.8), QPointF(8, 4));
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    // three pairs of grains leaning away from the stalk, and one on top
    for (int i = 0; i < 3; ++i) {
        const qreal y = 5.6 + i * 3.4;
        for (int side = -1; side <= 1; side += 2) {
            p.save();
            p.translate(8 + side * 2.3, y);
            p.rotate(side * 32);
            p.drawEllipse(QPointF(0, 0), 1.35, 2.3);
            p.restore();
        }
    }
    p.drawEllipse(QPointF(8, 2.9), 1.3, 2.2);
    // awns
    p.setPen(QPen(c, 0.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5.4, 3.8), QPointF(4.4, 1.8));
    p.drawLine(QPointF(10.6, 3.8), QPointF(11.6, 1.8));
}

void drawCart(QPainter& p, const QColor& c)
{
    p.setPen(QPen(c, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath frame;
    frame.moveTo(0.4, 2.2);
    frame.lineTo(2.6, 2.2);
    frame.lineTo(4.6, 11.6);
    frame.lineTo(14, 11.6);
    p.drawPath(frame);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    QPolygonF basket;
    basket << QPointF(3.2, 4) << QPointF(15.6, 4) << QPointF(14, 10) << QPointF(4.4, 10);
    p.drawPolygon(basket);
    p.setBrush(QColor(255, 255, 255, 170));
    for (int i = 0; i < 3; ++i) {
        const qreal x = 6.6 + i * 2.8;
        p.drawRect(QRectF(x, 5.4, 1.1, 3.2));
    }
    p.setBrush(c);
    p.drawEllipse(QPointF(6, 14.3), 1.55, 1.55);
    p.drawEllipse(QPointF(12.6, 14.3), 1.55, 1.55);
}

void drawScales(QPainter& p, const QColor& c)
{
    p.setPen(QPen(c, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 3), QPointF(8, 14));
    p.drawLine(QPointF(1.8, 4.2), QPointF(14.2, 4.2));
    p.setPen(QPen(c, 0.7));
    p.drawLine(QPointF(2.5, 4.2), QPointF(0.6, 10));
    p.drawLine(QPointF(2.5, 4.2), QPointF(4.4, 10));
    p.drawLine(QPointF(13.5, 4.2), QPointF(11.6, 10));
    p.drawLine(QPointF(13.5, 4.2), QPointF(15.4, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawChord(QRectF(0.2, 7.5, 4.6, 5), 180 * 16, 180 * 16);
    p.drawChord(QRectF(11.2, 7.5, 4.6, 5), 180 * 16, 180 * 16);
    p.drawEllipse(QPointF(8, 2.6), 1.2, 1.2);
    p.drawRoundedRect(QRectF(4, 14, 8, 1.8), 0.6, 0.6);
}

void drawFactory(QPainter& p, const QColor& c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    QPainterPath f;
    f.moveTo(0.5, 15.5);
    f.lineTo(0.5, 8);
    f.lineTo(4, 5.5);
    f.lineTo(4, 8);
    f.lineTo(7.5, 5.5);
    f.lineTo(7.5, 8);
    f.lineTo(10.5, 5.8);
    f.lineTo(10.5, 2.6);
    f.lineTo(13.5, 2.6);
    f.lineTo(13.5, 15.5);
    f.closeSubpath();
    p.drawPath(f);
    p.fillRect(QRectF(13.5, 9, 2, 6.5), c);
    const QColor window(0xFF, 0xD8, 0x7A);
    for (int i = 0; i < 3; ++i)
        p.fillRect(QRectF(1.8 + i * 3.3, 10, 1.8, 2), window);
    p.setBrush(QColor(0x6B, 0x70, 0x78));
    p.drawEllipse(QPointF(12.2, 1.2), 1.5, 1.0);
}

void drawTruck(QPainter& p, const QColor& c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(0.5, 3.5, 9.5, 8.5), 0.8, 0.8);
    QPainterPath cab;
    cab.moveTo(10.6, 6);
    cab.lineTo(13.4, 6);
    cab.lineTo(15.5, 9);
    cab.lineTo(15.5, 12);
    cab.lineTo(10.6, 12);
    cab.closeSubpath();
    p.drawPath(cab);
    p.setBrush(QColor(0xCF, 0xE8, 0xF5));
    QPainterPath glass;
    glass.moveTo(11.5, 7);
    glass.lineTo(13, 7);
    glass.lineTo(14.5, 9.2);
    glass.lineTo(11.5, 9.2);
    glass.closeSubpath();
    p.drawPath(glass);
    p.setBrush(QColor(0x22, 0x22, 0x22));
    p.drawEllipse(QPointF(4, 13.2), 2, 2);
    p.drawEllipse(QPointF(12.6, 13.2), 2, 2);
    p.setBrush(QColor(0xC8, 0xC8, 0xC8));
    p.drawEllipse(QPointF(4, 13.2), 0.8, 0.8);
    p.drawEllipse(QPointF(12.6, 13.2), 0.8, 0.8);
}

void drawGroupIcon(QPainter& p, Group g, const QRectF& box, const QColor& c)
{
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 16.0, box.height() / 16.0);
    switch (g) {
    case Group::Food: drawWheat(p, c); break;
    case Group::Shops: drawCart(p, c); break;
    case Group::Bazaars: drawScales(p, c); break;
    case Group::Heavy: drawFactory(p, c); break;
    case Group::Transport: drawTruck(p, c); break;
    }
    p.restore();
}

void drawShare(QPainter& p, const Share& s)
{
    const GroupLook look = lookOf(s.group);

    QLinearGradient bg(0, kMarkerStrip, 0, kSquareH);
    bg.setColorAt(0, look.tint.lighter(108));
    bg.setColorAt(1, look.tint);
    p.fillRect(QRectF(0, 0, kSquareW, kSquareH), bg);
    p.fillRect(QRectF(0, 0, kSquareW, kMarkerStrip), look.band);
    p.fillRect(QRectF(0, kMarkerStrip - 1, kSquareW, 1), look.band.darker(125));

    // Name: 3 lines of 8 px bold fill rows 21..47; shorter names are centred.
    const QFont nameFont = makeFont(kSans, 8, true);
    constexpr qreal lineH = 9;
    constexpr qreal nameTop = 21;
    constexpr qreal nameBottom = 48;
    const qreal top =
        nameTop + std::floor((nameBottom - nameTop - lineH * s.lines.size()) / 2);
    for (int i = 0; i < s.lines.size(); ++i)
        drawFittedText(p, QRectF(2, top + i * lineH, kSquareW - 4, lineH), s.lines[i], nameFont,
                       QColor(0x16, 0x16, 0x16));

    drawGroupIcon(p, s.group, QRectF(22.5, 49.5, 18, 17), look.accent);

    const QRectF plate(4.5, 68.5, kSquareW - 9, 13);
    p.setPen(QPen(look.accent, 1));
    p.setBrush(look.plate);
    p.drawRoundedRect(plate, 2.5, 2.5);
    drawFittedText(p, plate.adjusted(1, 0, -1, 0), QString::number(s.price),
                   makeFont(kSans, 10, true), QColor(0x16, 0x16, 0x16));

    drawFrame(p, kSquareW, kSquareH, QColor(0x26, 0x26, 0x26));
}

// ---------------------------------------------------------------------------
// Special squares: plain background on top (tokens stand there), a picture
// in the 40 x 40 box at (11.5, 23), a caption ribbon at the bottom.

struct SpecialLook {
    QColor background;
    QColor ribbon;
    QColor caption;
};

void specialFrame(QPainter& p, const SpecialLook& look, const QString& caption)
{
    const QRectF ribbon(1, 68, kSquareW - 2, 16);  // flush with the bottom frame
    p.fillRect(ribbon, look.ribbon);
    drawFittedText(p, ribbon.adjusted(1, 0, -1, 0), caption, makeFont(kSans, 10, true),
                   look.caption);
    drawFrame(p, kSquareW, kSquareH, QColor(0x26, 0x26, 0x26));
}

void drawSpecial(QPainter& p, const SpecialLook& look, const QString& caption,
                 const std::function<void(QPainter&)>& picture)
{
    p.fillRect(QRectF(0, 0, kSquareW, kSquareH), look.background);
    p.save();
    p.translate(11.5, 23);
    picture(p);
    p.restore();
    specialFrame(p, look, caption);
}

void pictureStart(QPainter& p)
{
    const QPointF c(20, 20);
    constexpr qreal r = 15;
    const QColor green(0x2E, 0x8B, 0x3A);
    // A clockwise arrow round the ring, like the players' way round the board.
    constexpr qreal startDeg = 62;
    constexpr qreal sweepDeg = -272;
    QPainterPath arc;
    arc.arcMoveTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), startDeg);
    arc.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), startDeg, sweepDeg);
    p.setPen(QPen(green, 4.5, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    const qreal endRad = qDegreesToRadians(startDeg + sweepDeg);
    const QPointF end(c.x() + r * qCos(endRad), c.y() - r * qSin(endRad));
    const QPointF dir(qSin(endRad), qCos(endRad));      // clockwise tangent
    const QPointF out(qCos(endRad), -qSin(endRad));     // away from the centre
    QPolygonF head;
    head << end + dir * 7 << end + out * 6 << end - out * 6;
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    p.drawPolygon(head);
    drawFittedText(p, QRectF(c.x() - 11, c.y() - 6, 22, 12), QStringLiteral("+200"),
                   makeFont(kSans, 9, true), QColor(0xB7, 0x1C, 0x1C));
}

void pictureMessage(QPainter& p)
{
    const QColor ink(0x4A, 0x32, 0x80);
    const QRectF env(2.5, 11.5, 31, 22);
    p.setPen(QPen(ink, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xFF, 0xFD, 0xF6));
    p.drawRect(env);
    p.setBrush(Qt::NoBrush);
    p.drawLine(env.bottomLeft(), QPointF(env.center().x() - 3, env.center().y() + 2));
    p.drawLine(env.bottomRight(), QPointF(env.center().x() + 3, env.center().y() + 2));
    QPolygonF flap;
    flap << env.topLeft() << QPointF(env.center().x(), env.center().y() + 3) << env.topRight();
    p.setBrush(QColor(0xEE, 0xE8, 0xF8));
    p.drawPolygon(flap);
    // a question badge on the corner
    const QPointF b(31, 10);
    p.setPen(QPen(QColor(0xFF, 0xFF, 0xFF), 1.2));
    p.setBrush(QColor(0x6A, 0x3F, 0xC4));
    p.drawEllipse(b, 8.5, 8.5);
    drawFittedText(p, QRectF(b.x() - 7, b.y() - 7.5, 14, 15), QStringLiteral("?"),
                   makeFont(kSans, 14, true), Qt::white);
}

void pictureStar(QPainter& p, QPointF c, qreal rOuter, const QColor& fill)
{
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal rad = qDegreesToRadians(-90.0 + i * 36.0);
        const qreal r = (i % 2 == 0) ? rOuter : rOuter * 0.42;
        star << QPointF(c.x() + r * qCos(rad), c.y() + r * qSin(rad));
    }
    p.setBrush(fill);
    p.drawPolygon(star);
}

void picturePolice(QPainter& p)
{
    // a barred window ...
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5E, 0x66, 0x72));
    p.drawRoundedRect(QRectF(0.5, 0.5, 30, 33), 2, 2);
    p.fillRect(QRectF(3.5, 3.5, 24, 27), QColor(0x2A, 0x33, 0x44));
    const QColor bar(0x1A, 0x1D, 0x22);
    const QColor shine(0xA9, 0xB2, 0xBF);
    for (int i = 0; i < 4; ++i) {
        const qreal x = 6 + i * 6;
        p.fillRect(QRectF(x - 1.4, 3.5, 2.8, 27), bar);
        p.fillRect(QRectF(x - 0.9, 3.5, 0.9, 27), shine);
    }
    p.fillRect(QRectF(3.5, 12, 24, 2.4), bar);
    p.fillRect(QRectF(3.5, 12, 24, 0.8), shine);
    // ... and the militia shield in front of it
    QPainterPath shield;
    shield.moveTo(28, 15);
    shield.lineTo(39, 18);
    shield.lineTo(39, 27);
    shield.quadTo(39, 36, 28, 40);
    shield.quadTo(17, 36, 17, 27);
    shield.lineTo(17, 18);
    shield.closeSubpath();
    p.setPen(QPen(QColor(0xE8, 0xB9, 0x2E), 1.6));
    p.setBrush(QColor(0x1E, 0x3F, 0x8F));
    p.drawPath(shield);
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(18.2, 19, 19.6, 2.2), QColor(0xC6, 0x28, 0x28));
    pictureStar(p, QPointF(28, 29), 6.5, QColor(0xF2, 0xC4, 0x3C));
}

void pictureBank(QPainter& p)
{
    const QColor stone(0xFF, 0xF3, 0xE0);
    const QColor line(0x6B, 0x33, 0x10);
    p.setPen(QPen(line, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(stone);
    QPolygonF roof;
    roof << QPointF(1.5, 12) << QPointF(20, 1.5) << QPointF(38.5, 12);
    p.drawPolygon(roof);
    p.drawRect(QRectF(2.5, 12, 35, 3.5));
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(5 + i * 8.6, 15.5, 4.4, 14));
    p.drawRect(QRectF(2.5, 29.5, 35, 3));
    p.drawRect(QRectF(0.5, 32.5, 39, 3.5));
    p.setPen(Qt::NoPen);
    drawCoin(p, QPointF(20, 8.3), 3.2);
}

void pictureRoulette(QPainter& p)
{
    const QPointF c(20, 20);
    p.setPen(Qt::NoPen);
    QRadialGradient rim(c, 20);
    rim.setColorAt(0.8, QColor(0x8A, 0x4B, 0x1E));
    rim.setColorAt(1, QColor(0x4A, 0x24, 0x0C));
    p.setBrush(rim);
    p.drawEllipse(c, 20, 20);
    constexpr int pockets = 18;
    for (int i = 0; i < pockets; ++i) {
        const QColor colour = i == 0       ? QColor(0x1F, 0x9A, 0x45)
                              : (i % 2)    ? QColor(0xC8, 0x1E, 0x1E)
                                           : QColor(0x15, 0x15, 0x15);
        p.setBrush(colour);
        p.drawPie(QRectF(c.x() - 17, c.y() - 17, 34, 34), (90 - 10 + i * 20) * 16, 20 * 16);
    }
    p.setPen(QPen(QColor(0xE9, 0xC4, 0x6A), 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 17, 17);
    p.drawEllipse(c, 11.5, 11.5);
    QRadialGradient cone(c - QPointF(3, 3), 13);
    cone.setColorAt(0, QColor(0xFF, 0xE7, 0x9A));
    cone.setColorAt(1, QColor(0xB0, 0x7A, 0x1E));
    p.setPen(Qt::NoPen);
    p.setBrush(cone);
    p.drawEllipse(c, 11, 11);
    p.setPen(QPen(QColor(0x7A, 0x4E, 0x10), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c - QPointF(7, 0), c + QPointF(7, 0));
    p.drawLine(c - QPointF(0, 7), c + QPointF(0, 7));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE0, 0xB0, 0x40));
    p.drawEllipse(c, 3, 3);
    // the ball
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 0.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(c.x() + 9.8, c.y() - 9.8), 2.4, 2.4);
}

void pictureTaxes(QPainter& p)
{
    const QColor line(0x55, 0x4A, 0x40);
    QPainterPath sheet;
    sheet.moveTo(1.5, 0.5);
    sheet.lineTo(19.5, 0.5);
    sheet.lineTo(25.5, 6.5);
    sheet.lineTo(25.5, 39.5);
    sheet.lineTo(1.5, 39.5);
    sheet.closeSubpath();
    p.setPen(QPen(line, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    QPolygonF fold;
    fold << QPointF(19.5, 0.5) << QPointF(19.5, 6.5) << QPointF(25.5, 6.5);
    p.setBrush(QColor(0xDD, 0xD6, 0xCC));
    p.drawPolygon(fold);
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(5, 5, 11, 2), QColor(0x44, 0x44, 0x44));
    for (int i = 0; i < 5; ++i)
        p.fillRect(QRectF(5, 11 + i * 3.6, i == 4 ? 9 : 17, 1.3), QColor(0xA8, 0xA8, 0xA8));
    // the round stamp
    const QColor red(0xC6, 0x22, 0x22, 225);
    p.setPen(QPen(red, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(15, 31), 7.5, 7.5);
    p.setPen(QPen(red, 0.8));
    p.drawEllipse(QPointF(15, 31), 5.2, 5.2);
    p.setPen(Qt::NoPen);
    pictureStar(p, QPointF(15, 31.3), 3.6, red);
    // coins leaving the taxpayer
    const QColor trail(0x8B, 0x1A, 0x1A);
    p.setPen(QPen(trail, 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(27.5, 13), QPointF(30.5, 13));
    p.drawLine(QPointF(28.5, 23), QPointF(31.5, 23));
    drawCoin(p, QPointF(35, 10), 4.5);
    drawCoin(p, QPointF(36, 21.5), 4.5);
    p.setPen(QPen(trail, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(30, 33), QPointF(38, 33));
    p.drawLine(QPointF(35, 30), QPointF(38.2, 33));
    p.drawLine(QPointF(35, 36), QPointF(38.2, 33));
}

void pictureMarket(QPainter& p)
{
    const QColor wood(0x8A, 0x55, 0x2A);
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(3, 10, 2.2, 28), wood);
    p.fillRect(QRectF(34.8, 10, 2.2, 28), wood);
    // counter with fruit and vegetables
    p.setBrush(QColor(0x2E, 0x8B, 0x3A));
    p.drawEllipse(QPointF(9, 24.5), 4, 3.6);
    p.setBrush(QColor(0xD3, 0x2F, 0x2F));
    p.drawEllipse(QPointF(17, 25), 3.3, 3.3);
    p.drawEllipse(QPointF(22.5, 25.2), 3.1, 3.1);
    p.setBrush(QColor(0xF5, 0x8F, 0x1E));
    p.drawEllipse(QPointF(29.5, 25), 3.3, 3.3);
    p.setPen(QPen(QColor(0x4E, 0x2C, 0x10), 0.8));
    p.setBrush(QColor(0xB0, 0x72, 0x3C));
    p.drawRect(QRectF(1.5, 28, 37, 10));
    p.drawLine(QPointF(1.5, 31), QPointF(38.5, 31));
    // striped awning with a scalloped edge
    const QColor red(0xD3, 0x2F, 0x2F);
    constexpr int stripes = 6;
    constexpr qreal w = 40.0 / stripes;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < stripes; ++i) {
        const QColor colour = (i % 2) ? QColor(0xFF, 0xFF, 0xFF) : red;
        p.setBrush(colour);
        QPolygonF band;
        band << QPointF(4 + i * (32.0 / stripes), 1) << QPointF(4 + (i + 1) * (32.0 / stripes), 1)
             << QPointF((i + 1) * w, 11) << QPointF(i * w, 11);
        p.drawPolygon(band);
        p.drawChord(QRectF(i * w, 8.5, w, 5.5), 180 * 16, 180 * 16);
    }
    p.setPen(QPen(QColor(0x7A, 0x16, 0x16), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(4, 1), QPointF(36, 1));
}

void drawSquare(QPainter& p, int n)
{
    for (const Share& s : shares())
        if (s.square == n) {
            drawShare(p, s);
            return;
        }
    const QColor white(0xFF, 0xFF, 0xFF);
    switch (n) {
    case 1:
        drawSpecial(p, {QColor(0xFF, 0xF1, 0xC9), QColor(0xB7, 0x1C, 0x1C), white},
                    QStringLiteral("Старт"), pictureStart);
        return;
    case 8:
    case 22:
        drawSpecial(p, {QColor(0xDE, 0xD3, 0xF3), QColor(0x4A, 0x32, 0x80), white},
                    QStringLiteral("Сообщение"), pictureMessage);
        return;
    case 12:
        drawSpecial(p, {QColor(0xD9, 0xDE, 0xE6), QColor(0x1E, 0x3F, 0x8F), white},
                    QStringLiteral("Милиция"), picturePolice);
        return;
    case 14:
        drawSpecial(p, {QColor(0xD0, 0x7D, 0x45), QColor(0x6B, 0x33, 0x10), white},
                    QStringLiteral("Медьбанк"), pictureBank);
        return;
    case 17:
        drawSpecial(p, {QColor(0x1F, 0x6B, 0x45), QColor(0x0E, 0x3A, 0x24), white},
                    QStringLiteral("Рулетка"), pictureRoulette);
        return;
    case 28:
        drawSpecial(p, {QColor(0xF6, 0xDA, 0xD4), QColor(0x8B, 0x1A, 0x1A), white},
                    QStringLiteral("Налоги"), pictureTaxes);
        return;
    case 30:
        drawSpecial(p, {QColor(0xCC, 0xEB, 0xF0), QColor(0x0F, 0x5E, 0x6B), white},
                    QStringLiteral("Рынок"), pictureMarket);
        return;
    default:
        throw AssetError("square " + std::to_string(n) + " has no picture");
    }
}

// ---------------------------------------------------------------------------
// Dice

// Pip positions on a 3 x 3 grid (column, row), the classic layouts.
std::vector<QPoint> pipCells(int pips)
{
    switch (pips) {
    case 1: return {{1, 1}};
    case 2: return {{2, 0}, {0, 2}};
    case 3: return {{2, 0}, {1, 1}, {0, 2}};
    case 4: return {{0, 0}, {2, 0}, {0, 2}, {2, 2}};
    case 5: return {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}};
    case 6: return {{0, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}, {2, 2}};
    default: throw AssetError("a die has no face with " + std::to_string(pips) + " pips");
    }
}

void drawDieFace(QPainter& p, QRectF face, int pips, qreal pipRadius)
{
    QLinearGradient g(face.topLeft(), face.bottomRight());
    g.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
    g.setColorAt(1, QColor(0xE8, 0xE8, 0xE8));
    p.setPen(QPen(QColor(0x8C, 0x8C, 0x8C), 1));
    p.setBrush(g);
    const qreal corner = face.width() * 0.17;
    p.drawRoundedRect(face, corner, corner);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x14, 0x14, 0x14));
    const qreal step = face.width() * 0.25;
    for (const QPoint& cell : pipCells(pips)) {
        const QPointF centre(face.center().x() + (cell.x() - 1) * step,
                             face.center().y() + (cell.y() - 1) * step);
        const qreal r = pips == 1 ? pipRadius * 1.3 : pipRadius;
        p.drawEllipse(centre, r, r);
    }
}

// ---------------------------------------------------------------------------
// About picture: Медноярск at dusk, a die, a coin and the game's name.

// A fixed pseudo-random sequence so the lit windows are the same every run.
class Lcg {
public:
    explicit Lcg(quint32 seed) : state_(seed) {}
    int next(int bound)
    {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<int>((state_ >> 16) % static_cast<quint32>(bound));
    }

private:
    quint32 state_;
};

struct Building {
    qreal x, w, h;
    int roof;  // 0 flat, 1 spire, 2 dome, 3 stepped
};

void drawSkyline(QPainter& p, const std::vector<Building>& city, qreal ground, const QColor& wall,
                 const QColor& lit, const QColor& dark, quint32 seed)
{
    Lcg rnd(seed);
    for (const Building& b : city) {
        const qreal top = ground - b.h;
        p.setPen(Qt::NoPen);
        p.setBrush(wall);
        p.drawRect(QRectF(b.x, top, b.w, b.h + 1));
        switch (b.roof) {
        case 1: {
            QPolygonF spire;
            spire << QPointF(b.x + b.w / 2 - 2.5, top) << QPointF(b.x + b.w / 2, top - 14)
                  << QPointF(b.x + b.w / 2 + 2.5, top);
            p.drawPolygon(spire);
            break;
        }
        case 2:
            p.drawChord(QRectF(b.x + 1, top - b.w / 2 + 1, b.w - 2, b.w - 2), 0, 180 * 16);
            p.drawRect(QRectF(b.x + b.w / 2 - 0.6, top - b.w / 2 - 4, 1.2, 5));
            break;
        case 3:
            p.drawRect(QRectF(b.x + b.w * 0.2, top - 5, b.w * 0.6, 5));
            p.drawRect(QRectF(b.x + b.w * 0.35, top - 9, b.w * 0.3, 4));
            break;
        default: break;
        }
        if (!lit.isValid())
            continue;
        for (qreal y = top + 4; y + 3 < ground - 2; y += 6)
            for (qreal x = b.x + 3; x + 2.5 <= b.x + b.w - 2.5; x += 5)
                p.fillRect(QRectF(x, y, 2.5, 3), rnd.next(10) < 6 ? lit : dark);
    }
}

void drawAbout(QPainter& p)
{
    const QRectF all(0, 0, kAboutW, kAboutH);
    QLinearGradient sky(0, 0, 0, 150);
    sky.setColorAt(0, QColor(0x2A, 0x2F, 0x5C));
    sky.setColorAt(0.45, QColor(0x7A, 0x4A, 0x78));
    sky.setColorAt(0.8, QColor(0xE8, 0x8A, 0x55));
    sky.setColorAt(1, QColor(0xF7, 0xC0, 0x72));
    p.fillRect(all, sky);

    // a few stars in the upper sky
    Lcg rnd(7);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 26; ++i) {
        const qreal x = rnd.next(kAboutW);
        const qreal y = rnd.next(60);
        p.setBrush(QColor(255, 255, 240, 90 + rnd.next(120)));
        const qreal r = 0.4 + rnd.next(3) * 0.25;
        p.drawEllipse(QPointF(x, y), r, r);
    }

    // the setting sun behind the city
    QRadialGradient sun(QPointF(168, 128), 40);
    sun.setColorAt(0, QColor(0xFF, 0xF0, 0xB0, 255));
    sun.setColorAt(0.45, QColor(0xFF, 0xD0, 0x70, 255));
    sun.setColorAt(0.5, QColor(0xFF, 0xB8, 0x60, 120));
    sun.setColorAt(1, QColor(0xFF, 0xB8, 0x60, 0));
    p.setBrush(sun);
    p.drawEllipse(QPointF(168, 128), 40, 40);

    const qreal ground = 158;
    const std::vector<Building> back = {
        {-4, 22, 46, 0}, {16, 16, 62, 1}, {34, 26, 40, 3}, {62, 18, 54, 0}, {82, 24, 36, 2},
        {108, 14, 66, 1}, {124, 26, 44, 0}, {152, 20, 58, 3}, {174, 28, 38, 0},
        {204, 16, 60, 1}, {222, 22, 42, 0}};
    drawSkyline(p, back, ground, QColor(0x7A, 0x3E, 0x2A), QColor(0xE0, 0x9A, 0x55, 150),
                QColor(0x6A, 0x34, 0x22), 11);

    // a copper works with chimneys on the right
    p.setBrush(QColor(0x9C, 0x4E, 0x24));
    p.drawRect(QRectF(196, 96, 6, ground - 96));
    p.drawRect(QRectF(208, 88, 6, ground - 88));
    p.setBrush(QColor(0xF0, 0xE4, 0xE0, 120));
    for (int i = 0; i < 4; ++i) {
        p.drawEllipse(QPointF(200 - i * 5, 90 - i * 5), 3.5 + i, 3 + i * 0.6);
        p.drawEllipse(QPointF(212 - i * 6, 82 - i * 5), 3.5 + i, 3 + i * 0.6);
    }

    const std::vector<Building> front = {
        {0, 26, 30, 0}, {24, 20, 42, 2}, {46, 30, 24, 0}, {78, 18, 50, 1}, {98, 28, 28, 3},
        {128, 22, 36, 0}, {152, 30, 26, 0}, {184, 24, 40, 3}, {210, 30, 28, 0}};
    drawSkyline(p, front, ground, QColor(0xB8, 0x62, 0x2C), QColor(0xFF, 0xD8, 0x8A),
                QColor(0x93, 0x4A, 0x20), 23);

    // the square in front of the houses
    QLinearGradient square(0, ground, 0, kAboutH);
    square.setColorAt(0, QColor(0x5A, 0x2C, 0x1A));
    square.setColorAt(1, QColor(0x2E, 0x17, 0x10));
    p.fillRect(QRectF(0, ground, kAboutW, kAboutH - ground), square);
    p.fillRect(QRectF(0, ground, kAboutW, 1.5), QColor(0xE0, 0x90, 0x50));

    // title
    const QFont titleFont = makeFont(kSerif, 40, true);
    QPainterPath title;
    const QString name = QStringLiteral("Торгалия");
    const qreal titleW = QFontMetricsF(titleFont).horizontalAdvance(name);
    if (titleW > kAboutW - 12)
        throw AssetError("the title does not fit the about picture");
    title.addText(QPointF((kAboutW - titleW) / 2, 46), titleFont, name);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawPath(title.translated(1.5, 2));
    QLinearGradient copper(0, 14, 0, 48);
    copper.setColorAt(0, QColor(0xFF, 0xE2, 0xB0));
    copper.setColorAt(0.5, QColor(0xF0, 0xA0, 0x5A));
    copper.setColorAt(1, QColor(0xC0, 0x62, 0x28));
    p.setPen(QPen(QColor(0x4A, 0x20, 0x0C), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(copper);
    p.drawPath(title);
    drawFittedText(p, QRectF(0, 51, kAboutW, 14), QStringLiteral("город Медноярск"),
                   makeFont(kSans, 11, true), QColor(0xFF, 0xEB, 0xC8));

    // a die tumbling over the square
    p.save();
    p.translate(62, 168);
    p.rotate(-14);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(QRectF(-17, -13, 36, 36), 6, 6);
    drawDieFace(p, QRectF(-19, -19, 36, 36), 5, 3.4);
    p.restore();

    // and a copper coin rolling beside it
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawEllipse(QPointF(181, 186), 18, 5);
    p.drawEllipse(QPointF(213, 187), 14, 4);
    for (int i = 0; i < 4; ++i)
        drawStackedCoin(p, QPointF(212, 182 - i * 4), 11, 3.6);
    drawCoin(p, QPointF(178, 172), 16, Metal::Copper, QStringLiteral("Т"));

    drawFrame(p, kAboutW, kAboutH, QColor(0x3A, 0x1C, 0x10));
}

// ---------------------------------------------------------------------------
// Output

class Writer {
public:
    explicit Writer(QString root) : root_(std::move(root)) {}

    // Draws `picture` at 100 % and at 200 % and saves both files.
    void render(const QString& relBase, QSize logical, bool alpha,
                const std::function<void(QPainter&)>& picture)
    {
        for (int scale : {1, 2}) {
            QImage img(logical * scale,
                       alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
            img.setDevicePixelRatio(scale);
            img.fill(alpha ? QColor(Qt::transparent) : QColor(Qt::white));
            {
                QPainter p(&img);
                p.setRenderHint(QPainter::Antialiasing);
                p.setRenderHint(QPainter::TextAntialiasing);
                p.setRenderHint(QPainter::SmoothPixmapTransform);
                picture(p);
            }
            img.setDevicePixelRatio(1);
            const QImage out =
                img.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB888);
            const QString rel = relBase + (scale == 2 ? QStringLiteral("@2x.png")
                                                      : QStringLiteral(".png"));
            const QString path = root_ + QLatin1Char('/') + rel;
            if (!out.save(path, "PNG"))
                throw AssetError("cannot write " + path.toStdString());
            files_ << rel;
        }
    }

    void writeQrc() const
    {
        QStringList sorted = files_;
        sorted.sort();
        QByteArray text = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
        for (const QString& f : sorted)
            text += "    <file>" + f.toUtf8() + "</file>\n";
        text += "</qresource>\n</RCC>\n";
        QFile qrc(root_ + QStringLiteral("/assets.qrc"));
        if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            qrc.write(text) != text.size() || !qrc.flush())
            throw AssetError("cannot write " + qrc.fileName().toStdString());
    }

    int count() const { return static_cast<int>(files_.size()); }

private:
    QString root_;
    QStringList files_;
};

void requireFonts()
{
    const QStringList families = QFontDatabase::families();
    for (const QString& f : {kSans, kSerif})
        if (!families.contains(f))
            throw AssetError(f.toStdString() +
                             " is not installed (Debian package fonts-liberation2); without it "
                             "the pictures would silently use another font");
}

void generate(const QString& root)
{
    requireFonts();
    QDir dir;
    for (const QString& sub : {QStringLiteral("squares"), QStringLiteral("dice")})
        if (!dir.mkpath(root + QLatin1Char('/') + sub))
            throw AssetError("cannot create " + (root + QLatin1Char('/') + sub).toStdString());

    Writer out(root);
    for (int n = 1; n <= 32; ++n)
        out.render(QStringLiteral("squares/karta%1").arg(n), QSize(kSquareW, kSquareH), false,
                   [n](QPainter& p) { drawSquare(p, n); });
    for (int pips = 1; pips <= 6; ++pips)
        out.render(QStringLiteral("dice/ku%1").arg(pips), QSize(kDieSize, kDieSize), true,
                   [pips](QPainter& p) {
                       drawDieFace(p, QRectF(0.5, 0.5, kDieSize - 1, kDieSize - 1), pips, 4.1);
                   });
    out.render(QStringLiteral("about"), QSize(kAboutW, kAboutH), false, drawAbout);
    out.writeQrc();
    std::printf("make_assets: wrote %d pictures and assets.qrc to %s\n", out.count(),
                qPrintable(QDir::toNativeSeparators(root)));
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_assets <output-folder>\n");
        return 2;
    }
    try {
        generate(QString::fromLocal8Bit(argv[1]));
    } catch (const AssetError& e) {
        std::fprintf(stderr, "make_assets: %s\n", e.what());
        return 1;
    }
    return 0;
}
