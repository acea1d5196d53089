// A label that shows a computed figure, and never a part of one. A figure
// wider than the label is drawn in a smaller font, down to 6 points; one that
// would not fit even then gives way to a mark nobody can read as a number,
// and the figure moves into the accessible name and, after the label's own
// text, into its tooltip. Every other property (size, place, frame, colours)
// is the label's as designed.
#pragma once

#include <QFont>
#include <QLabel>

namespace korvane::widgets {

class ResultLabel : public QLabel {
    Q_OBJECT

  public:
    explicit ResultLabel(QWidget* parent = nullptr);

    // Replaces QLabel::setText: shows `figure` as whole as the label allows.
    // Every program write goes through this type, so every write is fitted.
    void setText(const QString& figure);

    // The figure last written, whether it is drawn or stands behind the mark.
    QString Figure() const;

    // What the label draws in place of a figure too wide for it.
    static QString Mark();

  protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Shows `figure` in the largest font that fits, or the mark.
    void Fit(const QString& figure);
    bool Fits(const QString& text, const QFont& font) const;

    QString figure_;
    // What Fit last put into QLabel's text: the figure or the mark.
    QString shown_;
    // The font and tooltip given to the label, before any fitting.
    QFont ownFont_;
    QString ownToolTip_;
    // True while Fit changes the font or tooltip, so that those changes are
    // not taken for new own ones.
    bool fitting_ = false;
};

}  // namespace korvane::widgets
