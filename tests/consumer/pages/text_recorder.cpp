// A paint device that records the texts drawn on it.
#include "tests/consumer/pages/text_recorder.h"

#include <QFontMetricsF>
#include <QPainter>

namespace consumer_test {

class RecordingEngine : public QPaintEngine {
  public:
    explicit RecordingEngine(TextRecorder& device)
        : QPaintEngine(QPaintEngine::AllFeatures), device_(device) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawRects(const QRectF*, int) override {}
    void drawLines(const QLineF*, int) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    Type type() const override { return QPaintEngine::User; }

    // The point is in the painter's coordinates; the widget offset of a render is mapped in.
    // The point is in the painter's coordinates; boxes are kept in the device's.
    void drawTextItem(const QPointF& point, const QTextItem& item) override {
        QFontMetricsF metrics(item.font(), &device_);
        QString text = item.text();
        const QTransform& transform = painter()->transform();
        QPointF origin = transform.map(point);
        DrawnText drawn{text.toStdString(), QRectF(), {}, origin, metrics.height() < 11.5};
        qsizetype start = 0;
        while (start < text.size()) {
            if (text[start] == ' ') {
                ++start;
                continue;
            }
            qsizetype end = text.indexOf(' ', start);
            if (end < 0)
                end = text.size();
            QRectF ink = metrics.tightBoundingRect(text.mid(start, end - start));
            ink.translate(point.x() + metrics.horizontalAdvance(text.left(start)), point.y());
            QRectF word = transform.mapRect(ink);
            drawn.words.push_back(word);
            drawn.box = drawn.box.united(word);
            start = end;
        }
        device_.texts_.push_back(drawn);
    }

  private:
    TextRecorder& device_;
};

TextRecorder::TextRecorder(int width, int height, int dpi)
    : width_(width), height_(height), dpi_(dpi), engine_(new RecordingEngine(*this)) {}

TextRecorder::~TextRecorder() = default;

QPaintEngine* TextRecorder::paintEngine() const {
    return engine_.get();
}

int TextRecorder::metric(PaintDeviceMetric metric) const {
    switch (metric) {
        case PdmWidth:
            return width_;
        case PdmHeight:
            return height_;
        case PdmWidthMM:
            return width_ * 254 / dpi_ / 10;
        case PdmHeightMM:
            return height_ * 254 / dpi_ / 10;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return dpi_;
        case PdmNumColors:
            return 1 << 24;
        case PdmDepth:
            return 24;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
        default:
            return 0;
    }
}

}  // namespace consumer_test
