// Drawings of the pictures the forms show: simple flat scenes made of shapes, no text.
#include "tools/pictures/scenes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace pictures {
namespace {

const QColor kSky(176, 214, 240);
const QColor kGrass(118, 168, 84);
const QColor kWater(52, 120, 196);
const QColor kBrick(150, 72, 54);
const QColor kConcrete(168, 168, 160);
const QColor kSmoke(210, 210, 214);
const QColor kOutline(40, 40, 48);

// The scenes are drawn on a grid of width x height units and shown at 240 x 180 pixels.
void Canvas(QPainter& p, QImage& image, int width, int height) {
    image = QImage(240, 180, QImage::Format_RGB32);
    image.fill(kSky);
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(240.0 / width, 180.0 / height);
}

void Ground(QPainter& p, int width, int height, int horizon) {
    p.setPen(Qt::NoPen);
    p.setBrush(kGrass);
    p.drawRect(0, horizon, width, height - horizon);
}

void River(QPainter& p, int width, int height, int horizon) {
    QPainterPath river;
    river.moveTo(width * 0.55, horizon);
    river.cubicTo(width * 0.45, horizon + (height - horizon) * 0.4, width * 0.9,
                  horizon + (height - horizon) * 0.6, width * 0.7, height);
    river.lineTo(width * 0.98, height);
    river.cubicTo(width * 1.05, horizon + (height - horizon) * 0.5, width * 0.6,
                  horizon + (height - horizon) * 0.3, width * 0.66, horizon);
    river.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kWater);
    p.drawPath(river);
}

void Plume(QPainter& p, QPointF top, double size) {
    p.setPen(Qt::NoPen);
    p.setBrush(kSmoke);
    for (int i = 0; i < 5; ++i) {
        double r = size * (0.5 + 0.25 * i);
        p.drawEllipse(QPointF(top.x() + size * 1.2 * i, top.y() - size * 0.7 * i), r, r * 0.8);
    }
}

void Plant(QPainter& p, QRectF body, double stackWidth, double stackHeight) {
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kBrick);
    p.drawRect(body);
    QRectF stack(body.right() - stackWidth * 1.6, body.top() - stackHeight, stackWidth,
                 stackHeight);
    p.setBrush(kConcrete);
    p.drawRect(stack);
    p.setBrush(QColor(236, 220, 120));
    double w = body.width() / 7;
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(body.left() + w * (1 + 2 * i), body.top() + body.height() * 0.3, w,
                          body.height() * 0.3));
    Plume(p, QPointF(stack.center().x(), stack.top() - stackWidth * 0.6), stackWidth);
}

void House(QPainter& p, QRectF body) {
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(QColor(238, 226, 196));
    p.drawRect(body);
    QPolygonF roof;
    roof << QPointF(body.left() - body.width() * 0.1, body.top())
         << QPointF(body.center().x(), body.top() - body.height() * 0.6)
         << QPointF(body.right() + body.width() * 0.1, body.top());
    p.setBrush(QColor(120, 60, 48));
    p.drawPolygon(roof);
    p.setBrush(QColor(96, 64, 40));
    p.drawRect(QRectF(body.center().x() - body.width() * 0.1, body.bottom() - body.height() * 0.5,
                      body.width() * 0.2, body.height() * 0.5));
}

}  // namespace

QImage DrawSmokeStack() {
    QImage image;
    QPainter p;
    Canvas(p, image, 160, 120);
    Ground(p, 160, 120, 92);
    Plant(p, QRectF(16, 74, 80, 24), 10, 34);
    p.end();
    return image;
}

QImage DrawSeasImage() {
    QImage image;
    QPainter p;
    Canvas(p, image, 200, 150);
    Ground(p, 200, 150, 90);
    River(p, 200, 150, 90);
    Plant(p, QRectF(18, 70, 80, 30), 11, 40);
    p.setPen(QPen(kConcrete, 4));
    p.drawLine(QPointF(98, 94), QPointF(124, 118));  // outfall to the river
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(120, 100, 80));
    p.drawEllipse(QRectF(30, 118, 40, 16));  // landfill
    p.end();
    return image;
}

QImage DrawFlushImage() {
    QImage image;
    QPainter p;
    Canvas(p, image, 200, 150);
    Ground(p, 200, 150, 80);
    River(p, 200, 150, 80);
    House(p, QRectF(20, 56, 56, 40));
    p.setPen(QPen(QColor(90, 90, 96), 5));
    p.drawLine(QPointF(48, 96), QPointF(48, 126));
    p.drawLine(QPointF(48, 126), QPointF(96, 126));
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kConcrete);
    p.drawRect(QRectF(96, 112, 30, 26));  // treatment plant
    p.setPen(QPen(QColor(90, 90, 96), 5));
    p.drawLine(QPointF(126, 126), QPointF(150, 126));
    p.end();
    return image;
}

QImage DrawRunKiv() {
    QImage image;
    QPainter p;
    Canvas(p, image, 200, 150);
    p.fillRect(QRectF(0, 0, 200, 150), QColor(232, 224, 208));
    p.fillRect(QRectF(0, 110, 200, 40), QColor(170, 130, 90));
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(QColor(200, 40, 40));
    p.drawRoundedRect(QRectF(40, 50, 26, 62), 6, 6);  // spray can
    p.setBrush(kConcrete);
    p.drawRect(QRectF(46, 40, 14, 10));
    p.setBrush(QColor(60, 120, 200));
    p.drawRoundedRect(QRectF(90, 64, 34, 48), 8, 8);  // bottle
    p.drawRect(QRectF(100, 52, 14, 12));
    p.setBrush(QColor(250, 240, 160));
    p.drawRoundedRect(QRectF(140, 88, 40, 24), 10, 10);  // soap
    p.setPen(Qt::NoPen);
    p.setBrush(kSmoke);
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(66 + 9 * i, 44 - 5 * i), 4 + i, 4 + i);
    p.end();
    return image;
}

QImage DrawAboutImage() {
    QImage image(96, 96, QImage::Format_RGB32);
    image.fill(QColor(250, 250, 246));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient shade(0, 0, 0, 96);
    shade.setColorAt(0, kSky);
    shade.setColorAt(1, kWater);
    p.setPen(QPen(kOutline, 2));
    p.setBrush(shade);
    p.drawEllipse(QRectF(6, 6, 84, 84));
    QPainterPath disc;
    disc.addEllipse(QRectF(8, 8, 80, 80));
    p.setClipPath(disc);
    p.setPen(Qt::NoPen);
    p.setBrush(kGrass);
    p.drawChord(QRectF(6, 6, 84, 84), 200 * 16, 140 * 16);
    Plant(p, QRectF(26, 50, 40, 16), 7, 22);
    return image;
}

std::vector<Picture> AllPictures() {
    return {{"smokestack.jpg", DrawSmokeStack()},
            {"seas.jpg", DrawSeasImage()},
            {"flush.bmp", DrawFlushImage()},
            {"kiv.jpg", DrawRunKiv()},
            {"about.jpg", DrawAboutImage()}};
}

}  // namespace pictures
