// The pictures the forms show, each drawn by one function onto an image of its own size.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace pictures {

struct Picture {
    QString fileName;  // name in the folder "pictures" of the program folder; the extension sets
                       // the format
    QImage image;
};

QImage DrawSmokeStack();  // introductory screen (SmokeStack): a plant with its stack and plume
QImage DrawSeasImage();   // main page (SeasImage): industrial releases to river, land and air
QImage DrawFlushImage();  // main page (FlushImage): down the drain, from a home to a stream
QImage DrawRunKiv();      // main page (RunKiv): consumer products in a home
QImage DrawAboutImage();  // about box (Image1): the suite's emblem

std::vector<Picture> AllPictures();

}  // namespace pictures
