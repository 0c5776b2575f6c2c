// The explanatory pictures of the column-base shape dialog, drawn as vector drawings: the plan of
// a square-tube base and of an H-shape base (plate depth Ｄ across, width Ｂ up, the bolt and rib
// gauges, the bolt counts, the wing plates), and the concrete pedestal with the anchorage plate
// and the bolt length.
#pragma once

#include <QFrame>

class QPainter;

namespace kesto::dialogs {

enum class ShapePictureKind { squareTube, hShape, pedestal };

// Draws the picture centred in `area`, scaled to fit.
void drawShapePicture(QPainter& painter, ShapePictureKind kind, const QRectF& area);

class ShapePicture : public QFrame {
    Q_OBJECT
  public:
    explicit ShapePicture(ShapePictureKind kind, QWidget* parent = nullptr);
    void setKind(ShapePictureKind kind);
    ShapePictureKind kind() const { return kind_; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ShapePictureKind kind_;
};

}  // namespace kesto::dialogs
