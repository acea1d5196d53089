// The spin bar: a pair of arrows used only to step the field beside it. It
// behaves as a vertical scroll bar with the range -1 to 1 resting at 0: the
// upper arrow sets -1, the lower arrow +1, and holding the button repeats the
// click. Whoever handles the change puts the value back to 0.
#pragma once

#include <QAbstractSlider>

namespace korvane::widgets {

class SpinBar : public QAbstractSlider {
    Q_OBJECT

  public:
    explicit SpinBar(QWidget* parent = nullptr);

    QSize sizeHint() const override;

    // Where a click lands: the upper arrow fills the top half, the lower one
    // the bottom half.
    QRect UpperArrowRect() const;
    QRect LowerArrowRect() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    enum class Pressed { None, Upper, Lower };
    void PaintArrow(QPainter& painter, const QRect& rect, bool up, bool pressed) const;
    void Release();

    Pressed pressed_ = Pressed::None;
};

}  // namespace korvane::widgets
