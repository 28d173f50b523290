// The program's icon, drawn in code: the one source of the window icon, the installed PNG icons
// and the Windows icon resource.
#pragma once

#include <QByteArray>
#include <QImage>
#include <vector>

// The icon at 16 or 32 pixels square, as a 16-colour indexed image.
QImage DrawTollvaneIcon(int size);

// A Windows .ico file holding the given 16-colour images, 4 bits a pixel.
QByteArray EncodeIco(const std::vector<QImage>& images);
