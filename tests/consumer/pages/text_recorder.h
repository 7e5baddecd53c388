// A paint device that keeps every text drawn on it, with the box its glyphs cover, so that a
// test can see what a page shows and where.
#pragma once

#include <QPaintDevice>
#include <QPaintEngine>
#include <QRectF>
#include <memory>
#include <string>
#include <vector>

namespace consumer_test {

struct DrawnText {
    std::string text;
    QRectF box;                 // the ink of all the glyphs
    std::vector<QRectF> words;  // the ink of each run of characters between blanks
    QPointF origin;             // the start of the baseline
    bool small = false;         // drawn in a font below the page's main size
};

class TextRecorder : public QPaintDevice {
  public:
    // A device of the given size in device units and resolution in dots per inch.
    TextRecorder(int width, int height, int dpi);
    ~TextRecorder() override;

    const std::vector<DrawnText>& Texts() const { return texts_; }
    void Clear() { texts_.clear(); }

    QPaintEngine* paintEngine() const override;

  protected:
    int metric(PaintDeviceMetric metric) const override;

  private:
    friend class RecordingEngine;
    int width_;
    int height_;
    int dpi_;
    std::vector<DrawnText> texts_;
    std::unique_ptr<QPaintEngine> engine_;
};

}  // namespace consumer_test
