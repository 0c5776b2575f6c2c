// A paint device of a chosen resolution that records what is drawn on it (rectangles, outlines,
// lines, ellipses and texts in device coordinates, with the pen colour), so that a test checks
// where a painter put things instead of comparing pixels.
#pragma once

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <memory>
#include <vector>

namespace kesto::test {

struct Recorded {
    enum Kind { rect, polygon, line, ellipse, glyphs };
    Kind kind = rect;
    QRectF bounds;  // the shape's bounding rectangle; a text's baseline origin in topLeft
    QColor pen;
    QString text;
};

class RecordingEngine : public QPaintEngine {
  public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override {
        if (state.state() & DirtyPen) {
            pen_ = state.pen().color();
        }
        if (state.state() & DirtyTransform) {
            transform_ = state.transform();
        }
    }
    void drawRects(const QRectF* rects, int count) override {
        for (int i = 0; i < count; ++i) {
            add(Recorded::rect, transform_.mapRect(rects[i]));
        }
    }
    void drawRects(const QRect* rects, int count) override {
        for (int i = 0; i < count; ++i) {
            add(Recorded::rect, transform_.mapRect(QRectF(rects[i])));
        }
    }
    void drawLines(const QLineF* lines, int count) override {
        for (int i = 0; i < count; ++i) {
            add(Recorded::line, transform_.mapRect(QRectF(lines[i].p1(), lines[i].p2())));
        }
    }
    void drawEllipse(const QRectF& r) override { add(Recorded::ellipse, transform_.mapRect(r)); }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode) override {
        add(Recorded::polygon,
            transform_.map(QPolygonF(QList<QPointF>(points, points + count))).boundingRect());
    }
    void drawPath(const QPainterPath& path) override {
        add(Recorded::polygon, transform_.map(path).boundingRect());
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        Recorded r{Recorded::glyphs, QRectF(transform_.map(p), QSizeF(item.width(), 0)), pen_,
                   item.text()};
        items.push_back(r);
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    Type type() const override { return QPaintEngine::User; }

    std::vector<Recorded> items;

  private:
    void add(Recorded::Kind kind, const QRectF& bounds) {
        items.push_back({kind, bounds, pen_, {}});
    }
    QColor pen_ = Qt::black;  // the pen of a new painter
    QTransform transform_;
};

class RecordingDevice : public QPaintDevice {
  public:
    RecordingDevice(int dpi, QSize size) : dpi_(dpi), size_(size) {}
    QPaintEngine* paintEngine() const override { return engine_.get(); }
    const std::vector<Recorded>& items() const { return engine_->items; }

  protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
            case PdmWidth:
                return size_.width();
            case PdmHeight:
                return size_.height();
            case PdmWidthMM:
                return static_cast<int>(size_.width() * 25.4 / dpi_);
            case PdmHeightMM:
                return static_cast<int>(size_.height() * 25.4 / dpi_);
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return dpi_;
            case PdmDepth:
                return 32;
            case PdmNumColors:
                return 1 << 24;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
            default:
                return 0;
        }
    }

  private:
    int dpi_;
    QSize size_;
    std::unique_ptr<RecordingEngine> engine_ = std::make_unique<RecordingEngine>();
};

}  // namespace kesto::test
