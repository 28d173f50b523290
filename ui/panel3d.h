// A bevelled panel that carries a caption and may hold other controls.
#pragma once

#include <QFrame>
#include <QString>

class QPalette;

// True where the palette's button face is dark, so that black text on it would not be readable.
bool IsDarkFace(const QPalette& palette);

class Panel3D : public QFrame {
    Q_OBJECT

  public:
    enum class Bevel { Raised, Inset };
    // Black captions assume a light button face; on a dark one they take the window-text colour.
    enum class CaptionColor { WindowText, Black };

    explicit Panel3D(Bevel bevel, QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    CaptionColor captionColor() const { return captionColor_; }
    void setCaptionColor(CaptionColor color);

    Qt::Alignment captionAlignment() const { return captionAlignment_; }
    void setCaptionAlignment(Qt::Alignment alignment);

    // The colour the caption is drawn in under the current palette.
    QColor effectiveCaptionColor() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString caption_;
    CaptionColor captionColor_ = CaptionColor::WindowText;
    Qt::Alignment captionAlignment_ = Qt::AlignLeft | Qt::AlignVCenter;
};
