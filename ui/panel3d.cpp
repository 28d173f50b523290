#include "panel3d.h"

#include <QAccessible>
#include <QPainter>
#include <QPalette>

bool IsDarkFace(const QPalette& palette) {
    return palette.color(QPalette::Button).lightness() < 128;
}

Panel3D::Panel3D(Bevel bevel, QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | (bevel == Bevel::Raised ? QFrame::Raised : QFrame::Sunken));
    setLineWidth(1);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

void Panel3D::setCaption(const QString& caption) {
    if (caption == caption_) return;  // unchanged: nothing to repaint or announce
    caption_ = caption;
    update();
    // The accessible name follows the caption (see accessibility.cpp); tell assistive tools.
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void Panel3D::setCaptionColor(CaptionColor color) {
    captionColor_ = color;
    update();
}

void Panel3D::setCaptionAlignment(Qt::Alignment alignment) {
    captionAlignment_ = alignment;
    update();
}

QColor Panel3D::effectiveCaptionColor() const {
    if (captionColor_ == CaptionColor::Black && !IsDarkFace(palette())) return Qt::black;
    return palette().color(QPalette::WindowText);
}

void Panel3D::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (caption_.isEmpty()) return;
    QPainter painter(this);
    painter.setPen(effectiveCaptionColor());
    // The caption may use the bevel's pixels above and below: a cell is only 13 pixels high.
    const QRect area = rect().adjusted(frameWidth() + 1, 0, -frameWidth() - 1, 0);
    painter.drawText(area, int(captionAlignment_) | Qt::TextSingleLine, caption_);
}
