// The pictures the forms show, each drawn by one function onto an image of its own size.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace pictures {

struct Picture {
    QString fileName;  // name in the program folder; the extension sets the format
    QImage image;
};

QImage DrawSmokeStack();  // introductory screen: a plant with its stack and plume
QImage DrawSeasImage();   // main page: industrial releases to river, land and air
QImage DrawFlushImage();  // main page: down the drain, from a household to a stream
QImage DrawRunKiv();      // main page: consumer products in a home
QImage DrawAboutImage();  // about box: the suite's emblem

std::vector<Picture> AllPictures();

}  // namespace pictures
