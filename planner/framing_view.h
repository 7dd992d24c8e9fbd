#pragma once

#include "planning/framing_scene.h"

#include <QWidget>

#include <optional>

// The framing picture: the object's outline, the sensor's frames or the
// mosaic's, north and east, a scale bar. It draws the scene the planning
// layer computed and turns nothing itself: a drag, the wheel or the arrow
// keys ask for a turn of the camera, and the window answers with a new scene.
class FramingView : public QWidget {
    Q_OBJECT

public:
    explicit FramingView(QWidget* parent = nullptr);

    // None draws an empty field with a hint.
    void setScene(std::optional<velmora::planning::FramingScene> scene);
    const std::optional<velmora::planning::FramingScene>& scene() const { return scene_; }
    QSize sizeHint() const override;

    // The picture alone, at a size, for an export.
    void render(QPainter& painter, const QRectF& area) const;

signals:
    // Degrees, north through east, that the camera should turn by.
    void turnAsked(double degrees);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    double angleAt(const QPointF& point) const;

    std::optional<velmora::planning::FramingScene> scene_;
    std::optional<double> dragAngle_;
};
