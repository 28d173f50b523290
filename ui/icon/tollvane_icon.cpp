#include "tollvane_icon.h"

#include <QPainter>
#include <QPolygon>
#include <QtEndian>

namespace {

// The 16 colours of the classic 4-bit palette.
const QList<QRgb> kPalette = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};
constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kDarkMagenta = 0xff800080;
constexpr QRgb kLightGrey = 0xffc0c0c0;
constexpr QRgb kWhite = 0xffffffff;

void Append16(QByteArray& out, quint16 v) {
    v = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&v), 2);
}
void Append32(QByteArray& out, quint32 v) {
    v = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&v), 4);
}

// One icon image: header, palette, colour bits bottom-up, then an all-opaque mask.
QByteArray EncodeIcoImage(const QImage& image) {
    const int size = image.width();
    const int colorRow = ((size * 4 + 31) / 32) * 4;  // rows are padded to 4 bytes
    const int maskRow = ((size + 31) / 32) * 4;
    QByteArray out;
    Append32(out, 40);  // BITMAPINFOHEADER
    Append32(out, size);
    Append32(out, 2 * size);  // colour bits and mask together
    Append16(out, 1);
    Append16(out, 4);
    Append32(out, 0);  // no compression
    Append32(out, (colorRow + maskRow) * size);
    Append32(out, 0);
    Append32(out, 0);
    Append32(out, 16);
    Append32(out, 0);
    for (QRgb c : kPalette) {
        out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append('\0');
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(colorRow, '\0');
        for (int x = 0; x < size; ++x) {
            const int index = image.pixelIndex(x, y);
            row[x / 2] = char(row[x / 2] | (x % 2 ? index : index << 4));
        }
        out.append(row);
    }
    out.append(QByteArray(maskRow * size, '\0'));
    return out;
}

}  // namespace

QImage DrawTollvaneIcon(int size) {
    const qreal scale = size / 32.0;
    QImage canvas(size, size, QImage::Format_RGB32);
    canvas.fill(kDarkMagenta);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing, false);

    // The zig-zag wave across the plate, with its shadow one pixel down and right.
    QPolygon wave;
    for (int i = 0; i <= 6; ++i) wave << QPoint(3 + 4 * i, i % 2 ? 10 : 21);
    wave = QTransform::fromScale(scale, scale).map(wave);
    const int pen = size >= 32 ? 2 : 1;
    painter.setPen(QPen(QColor(kBlack), pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPolyline(wave.translated(1, 1));
    painter.setPen(QPen(QColor(kLightGrey), pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPolyline(wave);

    // A small dot near each corner: white, with a black pixel below and to its right.
    const int dot = size >= 32 ? 2 : 1;
    const int near = size >= 32 ? 3 : 1;
    const int far = size - near - dot - 1;
    for (const QPoint corner :
         {QPoint(near, near), QPoint(far, near), QPoint(near, far), QPoint(far, far)}) {
        painter.fillRect(QRect(corner + QPoint(1, 1), QSize(dot, dot)), QColor(kBlack));
        painter.fillRect(QRect(corner, QSize(dot, dot)), QColor(kWhite));
    }
    painter.end();

    // Every pixel drawn is one of the palette's colours, so the conversion is exact.
    return canvas.convertToFormat(QImage::Format_Indexed8, kPalette,
                                  Qt::ThresholdDither | Qt::AvoidDither);
}

QByteArray EncodeIco(const std::vector<QImage>& images) {
    QByteArray out;
    Append16(out, 0);
    Append16(out, 1);  // an icon
    Append16(out, quint16(images.size()));
    std::vector<QByteArray> encoded;
    for (const QImage& image : images) encoded.push_back(EncodeIcoImage(image));
    quint32 offset = 6 + 16 * quint32(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        out.append(char(images[i].width())).append(char(images[i].height()));
        out.append(char(16)).append('\0');  // colours, reserved
        Append16(out, 1);                   // planes
        Append16(out, 4);                   // bits a pixel
        Append32(out, quint32(encoded[i].size()));
        Append32(out, offset);
        offset += quint32(encoded[i].size());
    }
    for (const QByteArray& image : encoded) out.append(image);
    return out;
}
