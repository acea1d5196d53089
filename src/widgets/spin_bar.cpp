#include "widgets/spin_bar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QWheelEvent>

namespace korvane::widgets {
namespace {

// Delay before holding a button starts repeating, then the repeat interval:
// the usual scroll-bar timings.
constexpr int kRepeatDelayMs = 500;
constexpr int kRepeatIntervalMs = 50;

}  // namespace

SpinBar::SpinBar(QWidget* parent) : QAbstractSlider(parent) {
    setOrientation(Qt::Vertical);
    setRange(-1, 1);
    setValue(0);
    setSingleStep(1);
    setPageStep(1);
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize SpinBar::sizeHint() const {
    return {17, 20};
}

QRect SpinBar::UpperArrowRect() const {
    return {0, 0, width(), height() / 2};
}

QRect SpinBar::LowerArrowRect() const {
    const int top = height() / 2;
    return {0, top, width(), height() - top};
}

void SpinBar::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    PaintArrow(painter, UpperArrowRect(), true, pressed_ == Pressed::Upper);
    PaintArrow(painter, LowerArrowRect(), false, pressed_ == Pressed::Lower);
}

void SpinBar::PaintArrow(QPainter& painter, const QRect& rect, bool up, bool pressed) const {
    QStyleOptionButton button;
    button.initFrom(this);
    button.rect = rect;
    button.state |= QStyle::State_Raised;
    if (pressed) {
        button.state |= QStyle::State_Sunken;
        button.state &= ~QStyle::State_Raised;
    }
    style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &button, &painter, this);

    // A solid triangle reads better at this size than the style's arrows.
    const QColor ink = isEnabled() ? palette().color(QPalette::Active, QPalette::ButtonText)
                                   : palette().color(QPalette::Disabled, QPalette::ButtonText);
    const int half = std::max(2, std::min(rect.width() - 8, rect.height() - 4) / 2);
    const QPoint centre = rect.center() + (pressed ? QPoint(1, 1) : QPoint(0, 0));
    const int tipY = up ? centre.y() - half / 2 : centre.y() + half / 2;
    const int baseY = up ? tipY + half : tipY - half;
    const QPolygon triangle({QPoint(centre.x(), tipY), QPoint(centre.x() - half, baseY),
                             QPoint(centre.x() + half, baseY)});
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.drawPolygon(triangle);
}

void SpinBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const bool upper = event->position().y() < height() / 2.0;
    pressed_ = upper ? Pressed::Upper : Pressed::Lower;
    update();
    const SliderAction action = upper ? SliderSingleStepSub : SliderSingleStepAdd;
    setRepeatAction(action, kRepeatDelayMs, kRepeatIntervalMs);
    triggerAction(action);
    event->accept();
}

void SpinBar::mouseReleaseEvent(QMouseEvent* event) {
    Release();
    event->accept();
}

void SpinBar::wheelEvent(QWheelEvent* event) {
    // The arrows are for clicking; the wheel scrolls nothing here.
    event->ignore();
}

void SpinBar::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        Release();
    }
    QAbstractSlider::changeEvent(event);
}

void SpinBar::Release() {
    setRepeatAction(SliderNoAction);
    pressed_ = Pressed::None;
    update();
}

}  // namespace korvane::widgets
