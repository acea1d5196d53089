#include "widgets/result_label.h"

#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QScopedValueRollback>
#include <algorithm>

namespace korvane::widgets {
namespace {

// 6 points at the 96 dots an inch every window is laid out in; smaller
// digits are too hard to read to be worth showing.
constexpr int kSmallestPixelSize = 8;

// Three characters no number is written with: nobody takes the mark for a
// figure, however short.
constexpr char kMark[] = "###";

}  // namespace

ResultLabel::ResultLabel(QWidget* parent) : QLabel(parent), ownFont_(font()) {}

void ResultLabel::setText(const QString& figure) {
    Fit(figure);
}

QString ResultLabel::Figure() const {
    // A write through a QLabel pointer bypasses setText; that text is then
    // the figure.
    const QString drawn = QLabel::text();
    return drawn == shown_ ? figure_ : drawn;
}

QString ResultLabel::Mark() {
    return QString::fromLatin1(kMark);
}

bool ResultLabel::event(QEvent* event) {
    const bool handled = QLabel::event(event);
    if (event->type() == QEvent::ToolTipChange && !fitting_) {
        ownToolTip_ = toolTip();
        Fit(Figure());
    }
    return handled;
}

void ResultLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange && !fitting_) {
        ownFont_ = font();
        Fit(Figure());
    } else if (event->type() == QEvent::ContentsRectChange) {
        Fit(Figure());
    }
}

void ResultLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    Fit(Figure());
}

// Whether `text` in `font` lies inside the rectangle QLabel draws it in: the
// contents less the margin on each side and the indent on the aligned side.
bool ResultLabel::Fits(const QString& text, const QFont& font) const {
    const QFontMetrics metrics(font);
    int indent = this->indent();
    if (indent < 0) {
        // QLabel's own indent beside a frame: half an 'x'.
        indent = frameWidth() > 0 ? metrics.horizontalAdvance(QLatin1Char('x')) / 2 - margin() : 0;
    }
    const bool indented = (alignment() & (Qt::AlignLeft | Qt::AlignRight)) != 0;
    const QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const int width = room.width() - (indented ? std::max(indent, 0) : 0);
    return metrics.horizontalAdvance(text) <= width && metrics.height() <= room.height();
}

void ResultLabel::Fit(const QString& figure) {
    if (fitting_) {
        return;
    }
    const QScopedValueRollback<bool> guard(fitting_, true);
    figure_ = figure;
    QFont drawn = ownFont_;
    bool whole = figure_.isEmpty() || Fits(figure_, drawn);
    const int ownSize = QFontInfo(ownFont_).pixelSize();
    for (int size = ownSize - 1; !whole && size >= std::min(ownSize, kSmallestPixelSize); --size) {
        drawn.setPixelSize(size);
        whole = Fits(figure_, drawn);
    }
    shown_ = whole ? figure_ : Mark();
    if (!whole) {
        drawn = ownFont_;
    }
    if (drawn != font()) {
        setFont(drawn);
    }
    QLabel::setText(shown_);
    // An empty accessible name is Qt's default: the text, here the figure.
    setAccessibleName(whole ? QString() : figure_);
    if (whole || ownToolTip_.isEmpty()) {
        setToolTip(whole ? ownToolTip_ : figure_);
    } else {
        setToolTip(ownToolTip_ + QLatin1Char('\n') + figure_);
    }
}

}  // namespace korvane::widgets
