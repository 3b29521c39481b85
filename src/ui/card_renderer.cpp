#include "ui/card_renderer.h"

#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include "ui/twips.h"

namespace kestrel::ui {

namespace {

const QColor kRed(200, 20, 30);
const QColor kBlack(20, 20, 20);
const QColor kGold(222, 170, 40);
const QColor kBlue(40, 70, 170);

QColor SuitColour(int suit) { return (suit == 2 || suit == 3) ? kRed : kBlack; }

// The suit outlines in a unit square, the point of a heart or spade down or up.
QPainterPath HeartPath() {
    QPainterPath p;
    p.moveTo(0.5, 0.28);
    p.cubicTo(0.5, 0.02, 0.0, 0.0, 0.02, 0.34);
    p.cubicTo(0.04, 0.62, 0.38, 0.78, 0.5, 1.0);
    p.cubicTo(0.62, 0.78, 0.96, 0.62, 0.98, 0.34);
    p.cubicTo(1.0, 0.0, 0.5, 0.02, 0.5, 0.28);
    p.closeSubpath();
    return p;
}

QPainterPath SuitPath(int suit) {
    QPainterPath p;
    switch (suit) {
        case 1: {  // Clubs: three leaves and a stem
            const double r = 0.23;
            p.addEllipse(QPointF(0.5, 0.25), r, r);
            p.addEllipse(QPointF(0.25, 0.56), r, r);
            p.addEllipse(QPointF(0.75, 0.56), r, r);
            p.addEllipse(QPointF(0.5, 0.5), 0.12, 0.12);
            QPainterPath stem;
            stem.moveTo(0.5, 0.5);
            stem.quadTo(0.5, 0.9, 0.3, 1.0);
            stem.lineTo(0.7, 1.0);
            stem.quadTo(0.5, 0.9, 0.5, 0.5);
            p = p.united(stem);
            break;
        }
        case 2:  // Diamonds
            p.moveTo(0.5, 0.0);
            p.quadTo(0.7, 0.3, 0.9, 0.5);
            p.quadTo(0.7, 0.7, 0.5, 1.0);
            p.quadTo(0.3, 0.7, 0.1, 0.5);
            p.quadTo(0.3, 0.3, 0.5, 0.0);
            p.closeSubpath();
            break;
        case 3:  // Hearts
            p = HeartPath();
            break;
        default: {  // Spades: an upturned heart on a stem
            QTransform flip;
            flip.translate(0, 0.8);
            flip.scale(1, -0.8);
            p = flip.map(HeartPath());
            QPainterPath stem;
            stem.moveTo(0.5, 0.55);
            stem.quadTo(0.5, 0.9, 0.3, 1.0);
            stem.lineTo(0.7, 1.0);
            stem.quadTo(0.5, 0.9, 0.5, 0.55);
            p = p.united(stem);
            break;
        }
    }
    return p;
}

const QPainterPath& CachedSuitPath(int suit) {
    static QPainterPath paths[5] = {QPainterPath(), SuitPath(1), SuitPath(2), SuitPath(3),
                                    SuitPath(4)};
    return paths[suit];
}

void DrawPip(QPainter& p, int suit, QPointF centre, double size, bool upsideDown) {
    p.save();
    p.translate(centre);
    if (upsideDown) p.rotate(180);
    p.translate(-size / 2, -size / 2);
    p.scale(size, size);
    p.setPen(Qt::NoPen);
    p.setBrush(SuitColour(suit));
    p.drawPath(CachedSuitPath(suit));
    p.restore();
}

QString RankText(int rankIndex) {
    static const char* texts[13] = {"A", "2", "3", "4", "5", "6", "7",
                                    "8", "9", "10", "J", "Q", "K"};
    return QString::fromLatin1(texts[rankIndex]);
}

QFont IndexFont(double pixelHeight) {
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setStyleHint(QFont::Serif);
    f.setBold(true);
    f.setPixelSize(std::max(4, int(pixelHeight)));
    return f;
}

// The rank and a small suit at the top-left; the same turned round at the bottom-right.
void DrawCornerIndex(QPainter& p, int rankIndex, int suit, double w, double h, bool small) {
    const double textH = small ? h * 0.30 : h * 0.15;
    const double pipS = small ? h * 0.26 : h * 0.10;
    const double colW = small ? w * 0.42 : w * 0.20;
    for (int corner = 0; corner < 2; ++corner) {
        p.save();
        if (corner == 1) {
            p.translate(w, h);
            p.rotate(180);
        }
        p.setFont(IndexFont(textH * (rankIndex == 9 ? 0.8 : 1.0)));
        p.setPen(SuitColour(suit));
        QRectF textBox(w * 0.02, h * 0.02, colW, textH * 1.05);
        QFont f = p.font();
        if (rankIndex == 9) f.setLetterSpacing(QFont::PercentageSpacing, 85);
        p.setFont(f);
        p.drawText(textBox, Qt::AlignHCenter | Qt::AlignVCenter, RankText(rankIndex));
        DrawPip(p, suit, QPointF(w * 0.02 + colW / 2, h * 0.04 + textH + pipS / 2), pipS, false);
        p.restore();
        if (small) break;  // a small card shows its index once, large
    }
}

// Where the pips of a number card lie: column (0 left, 1 middle, 2 right) and height 0..1.
struct PipSpot {
    int column;
    double y;
};

std::vector<PipSpot> PipLayout(int count) {
    const double t = 1.0 / 3, tt = 2.0 / 3;
    switch (count) {
        case 2: return {{1, 0}, {1, 1}};
        case 3: return {{1, 0}, {1, 0.5}, {1, 1}};
        case 4: return {{0, 0}, {2, 0}, {0, 1}, {2, 1}};
        case 5: return {{0, 0}, {2, 0}, {1, 0.5}, {0, 1}, {2, 1}};
        case 6: return {{0, 0}, {2, 0}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}};
        case 7: return {{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}};
        case 8:
            return {{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {1, 0.75}, {0, 1}, {2, 1}};
        case 9:
            return {{0, 0}, {2, 0}, {0, t}, {2, t}, {1, 0.5}, {0, tt}, {2, tt}, {0, 1}, {2, 1}};
        case 10:
            return {{0, 0}, {2, 0}, {1, 1.0 / 6}, {0, t},       {2, t},
                    {0, tt}, {2, tt}, {1, 5.0 / 6}, {0, 1}, {2, 1}};
        default: return {};
    }
}

// Half of a court figure, drawn in the upper half of the frame; the lower half is the same
// turned round.
void DrawCourtHalf(QPainter& p, int rankIndex, int suit, const QRectF& frame) {
    const double fw = frame.width(), fh = frame.height();
    const QPointF head(frame.center().x(), frame.top() + fh * 0.20);
    const double headR = fw * 0.13;
    const QColor robe = (rankIndex == 12) ? kRed : (rankIndex == 11 ? kBlue : QColor(30, 120, 60));
    const QColor trim = SuitColour(suit) == kRed ? kBlue : kRed;

    // Shoulders and robe.
    QPainterPath body;
    body.moveTo(frame.left() + fw * 0.12, frame.top() + fh * 0.5);
    body.quadTo(frame.left() + fw * 0.12, head.y() + headR * 1.3, head.x() - fw * 0.1,
                head.y() + headR * 1.1);
    body.lineTo(head.x() + fw * 0.1, head.y() + headR * 1.1);
    body.quadTo(frame.right() - fw * 0.12, head.y() + headR * 1.3, frame.right() - fw * 0.12,
                frame.top() + fh * 0.5);
    body.closeSubpath();
    p.setPen(QPen(kBlack, std::max(0.6, fw * 0.012)));
    p.setBrush(robe);
    p.drawPath(body);
    // A golden band down the middle of the robe.
    QRectF band(head.x() - fw * 0.07, head.y() + headR * 1.1, fw * 0.14,
                frame.top() + fh * 0.5 - (head.y() + headR * 1.1));
    p.setBrush(kGold);
    p.drawRect(band);
    // A collar.
    p.setBrush(trim);
    p.drawEllipse(QPointF(head.x(), head.y() + headR * 1.15), fw * 0.16, headR * 0.35);
    // The face.
    p.setBrush(QColor(250, 220, 180));
    p.drawEllipse(head, headR, headR * 1.1);
    p.setPen(QPen(kBlack, std::max(0.5, fw * 0.01)));
    p.drawPoint(QPointF(head.x() - headR * 0.35, head.y() - headR * 0.1));
    p.drawPoint(QPointF(head.x() + headR * 0.35, head.y() - headR * 0.1));
    p.drawArc(QRectF(head.x() - headR * 0.35, head.y() + headR * 0.1, headR * 0.7, headR * 0.4),
              200 * 16, 140 * 16);
    // Head-dress: a crown for the King, a coronet for the Queen, a cap for the Jack.
    const double top = head.y() - headR * 1.1;
    QPainterPath hat;
    if (rankIndex == 12) {
        hat.moveTo(head.x() - headR, top + headR * 0.2);
        hat.lineTo(head.x() - headR, top - headR * 0.9);
        hat.lineTo(head.x() - headR * 0.5, top - headR * 0.35);
        hat.lineTo(head.x(), top - headR * 1.0);
        hat.lineTo(head.x() + headR * 0.5, top - headR * 0.35);
        hat.lineTo(head.x() + headR, top - headR * 0.9);
        hat.lineTo(head.x() + headR, top + headR * 0.2);
        hat.closeSubpath();
    } else if (rankIndex == 11) {
        hat.moveTo(head.x() - headR * 0.9, top + headR * 0.25);
        hat.quadTo(head.x() - headR * 0.9, top - headR * 0.6, head.x(), top - headR * 0.7);
        hat.quadTo(head.x() + headR * 0.9, top - headR * 0.6, head.x() + headR * 0.9,
                   top + headR * 0.25);
        hat.closeSubpath();
    } else {
        hat.moveTo(head.x() - headR * 1.2, top + headR * 0.3);
        hat.quadTo(head.x(), top - headR * 0.9, head.x() + headR * 1.2, top + headR * 0.3);
        hat.closeSubpath();
        // A feather.
        QPainterPath feather;
        feather.moveTo(head.x() + headR * 0.6, top);
        feather.quadTo(head.x() + headR * 2.0, top - headR * 1.0, head.x() + headR * 1.6,
                       top - headR * 1.4);
        feather.quadTo(head.x() + headR * 1.2, top - headR * 0.6, head.x() + headR * 0.6, top);
        p.setBrush(trim);
        p.drawPath(feather);
    }
    p.setBrush(rankIndex == 10 ? robe.lighter(130) : kGold);
    p.drawPath(hat);
    // The suit held in the hand, and the letter in the corner of the frame.
    DrawPip(p, suit, QPointF(frame.left() + fw * 0.2, frame.top() + fh * 0.38), fw * 0.18, false);
    p.setFont(IndexFont(fh * 0.12));
    p.setPen(SuitColour(suit));
    p.drawText(QRectF(frame.right() - fw * 0.28, frame.top() + fh * 0.02, fw * 0.26, fh * 0.14),
               Qt::AlignCenter, RankText(rankIndex));
}

void DrawFace(QPainter& p, int code, double w, double h) {
    const int rankIndex = code / 4;   // Ace 0, Two 1 .. King 12
    const int suit = code % 4 + 1;    // Clubs 1 .. Spades 4
    const bool small = w < 40 || h < 50;
    // The card stock.
    QRectF card(0.5, 0.5, w - 1, h - 1);
    const double radius = std::min(w, h) * 0.07;
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, radius, radius);
    DrawCornerIndex(p, rankIndex, suit, w, h, small);
    if (small) {
        // Too small for a pip layout: one large suit symbol under the index.
        const double s = std::min(w * 0.5, h * 0.4);
        DrawPip(p, suit, QPointF(w * 0.7, h * 0.72), s, false);
        return;
    }
    const QRectF area(w * 0.24, h * 0.14, w * 0.52, h * 0.72);
    if (rankIndex == 0) {
        // The Ace: one large pip.
        DrawPip(p, suit, area.center(), w * (suit == 4 ? 0.55 : 0.42), false);
    } else if (rankIndex >= 10) {
        // The courts: a framed double-headed figure.
        QRectF frame(w * 0.2, h * 0.13, w * 0.6, h * 0.74);
        p.setPen(QPen(SuitColour(suit), 1));
        p.setBrush(QColor(255, 250, 232));
        p.drawRect(frame);
        p.save();
        p.setClipRect(frame.adjusted(0, 0, 0, -frame.height() / 2));
        DrawCourtHalf(p, rankIndex, suit, frame);
        p.restore();
        p.save();
        p.translate(frame.center());
        p.rotate(180);
        p.translate(-frame.center());
        p.setClipRect(frame.adjusted(0, 0, 0, -frame.height() / 2));
        DrawCourtHalf(p, rankIndex, suit, frame);
        p.restore();
        p.setPen(QPen(SuitColour(suit), 1));
        p.drawLine(QPointF(frame.left(), frame.center().y()),
                   QPointF(frame.right(), frame.center().y()));
    } else {
        // The number cards: their pips in three columns.
        const int count = rankIndex + 1;
        const double pip = w * 0.2;
        const double top = area.top() + pip / 2, bottom = area.bottom() - pip / 2;
        for (const PipSpot& s : PipLayout(count)) {
            double x = area.left() + area.width() * (0.12 + s.column * 0.38);
            double y = top + (bottom - top) * s.y;
            DrawPip(p, suit, QPointF(x, y), pip, s.y > 0.5);
        }
    }
}

// The back designs: thirteen patterns and colours.
void DrawBack(QPainter& p, int code, double w, double h) {
    static const QColor colours[13] = {
        QColor(30, 60, 160),  QColor(170, 25, 35),  QColor(20, 110, 60),  QColor(110, 40, 140),
        QColor(0, 120, 140),  QColor(190, 90, 20),  QColor(60, 60, 70),   QColor(150, 20, 90),
        QColor(40, 100, 190), QColor(120, 90, 30),  QColor(200, 40, 40),  QColor(20, 80, 40),
        QColor(70, 30, 110)};
    const int design = code - kFirstBack;  // 0..12
    const QColor c = colours[design];
    const QColor light = c.lighter(160);
    QRectF card(0.5, 0.5, w - 1, h - 1);
    const double radius = std::min(w, h) * 0.07;
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, radius, radius);
    const double m = std::max(2.0, w * 0.07);
    QRectF inner = card.adjusted(m, m, -m, -m);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRect(inner);
    p.save();
    p.setClipRect(inner);
    const double step = std::max(3.0, w / 9.0);
    QPen line(light, std::max(1.0, w / 60.0));
    switch (design % 5) {
        case 0:  // lattice of crossing diagonals
            p.setPen(line);
            for (double d = -h; d < w + h; d += step) {
                p.drawLine(QPointF(inner.left() + d, inner.top()),
                           QPointF(inner.left() + d - h, inner.top() + h));
                p.drawLine(QPointF(inner.left() + d - h, inner.top()),
                           QPointF(inner.left() + d, inner.top() + h));
            }
            break;
        case 1:  // dots in offset rows
            p.setBrush(light);
            for (int row = 0; row * step < h; ++row)
                for (double x = (row % 2) * step / 2; x < w; x += step)
                    p.drawEllipse(QPointF(inner.left() + x, inner.top() + row * step), step / 5,
                                  step / 5);
            break;
        case 2:  // rows of small diamonds
            p.setBrush(light);
            for (int row = 0; row * step < h; ++row)
                for (double x = (row % 2) * step / 2; x < w; x += step) {
                    QPointF o(inner.left() + x, inner.top() + row * step);
                    QPolygonF dia({o + QPointF(0, -step / 3), o + QPointF(step / 4, 0),
                                   o + QPointF(0, step / 3), o + QPointF(-step / 4, 0)});
                    p.drawPolygon(dia);
                }
            break;
        case 3:  // nested frames
            p.setPen(line);
            p.setBrush(Qt::NoBrush);
            for (double k = step / 2; k < std::min(inner.width(), inner.height()) / 2; k += step / 2)
                p.drawRect(inner.adjusted(k, k, -k, -k));
            break;
        default:  // waves
            p.setPen(line);
            for (double y = inner.top(); y < inner.bottom() + step; y += step / 1.5) {
                QPainterPath wave;
                wave.moveTo(inner.left(), y);
                for (double x = inner.left(); x < inner.right(); x += step)
                    wave.quadTo(x + step / 4, y - step / 3, x + step / 2, y),
                        wave.quadTo(x + 3 * step / 4, y + step / 3, x + step, y);
                p.drawPath(wave);
            }
            break;
    }
    p.restore();
    // The designs past the first five carry a centre emblem: a ring, then a suit symbol.
    if (design >= 5) {
        const double s = std::min(inner.width(), inner.height()) * 0.45;
        p.setPen(QPen(Qt::white, std::max(1.0, w / 40.0)));
        p.setBrush(c.darker(130));
        p.drawEllipse(inner.center(), s / 2, s / 2);
        if (design >= 9) {
            p.save();
            p.translate(inner.center() - QPointF(s / 4, s / 4));
            p.scale(s / 2, s / 2);
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawPath(CachedSuitPath(design - 8));
            p.restore();
        }
    }
    // A thin white rule round the pattern.
    p.setPen(QPen(Qt::white, std::max(1.0, w / 50.0)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(inner.adjusted(m / 3, m / 3, -m / 3, -m / 3));
}

bool ValidCode(int code, int mode) {
    if (mode == kModeFace) return code >= 0 && code <= 51;
    if (mode == kModeBack) return code >= kFirstBack && code <= kLastBack;
    return false;
}

QHash<QString, QPixmap>& Cache() {
    static QHash<QString, QPixmap> cache;
    return cache;
}

}  // namespace

void DrawSuitSymbol(QPainter& p, int suit, const QRectF& box) {
    if (suit < 1 || suit > 4) return;
    const double s = std::min(box.width(), box.height());
    DrawPip(p, suit, box.center(), s, false);
}

QPixmap CardPicture(int code, int mode, QSize size, qreal devicePixelRatio) {
    if (!ValidCode(code, mode) || size.isEmpty()) return QPixmap();
    const QString key = QStringLiteral("%1/%2/%3x%4@%5")
                            .arg(mode)
                            .arg(code)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(qRound(devicePixelRatio * 100));
    auto it = Cache().find(key);
    if (it != Cache().end()) return *it;
    QPixmap pm(size * devicePixelRatio);
    pm.setDevicePixelRatio(devicePixelRatio);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        if (mode == kModeFace)
            DrawFace(p, code, size.width(), size.height());
        else
            DrawBack(p, code, size.width(), size.height());
    }
    Cache().insert(key, pm);
    return pm;
}

bool cdtInit(int& width, int& height) {
    width = Twips(kCardWidthTwips);
    height = Twips(kCardHeightTwips);
    return true;
}

bool cdtDrawExt(QPainter& dc, int x, int y, int dx, int dy, int code, int mode,
                const QColor& background) {
    if (!ValidCode(code, mode)) return false;
    QPixmap pm = CardPicture(code, mode, QSize(dx, dy), dc.device() ? dc.device()->devicePixelRatioF() : 1.0);
    dc.fillRect(QRect(x, y, dx, dy), background);
    dc.drawPixmap(x, y, pm);
    return true;
}

bool cdtDraw(QPainter& dc, int x, int y, int code, int mode, const QColor& background) {
    int w = 0, h = 0;
    cdtInit(w, h);
    return cdtDrawExt(dc, x, y, w, h, code, mode, background);
}

void cdtTerm() { Cache().clear(); }

}  // namespace kestrel::ui
