// Decoding the device-independent bitmaps the skin is drawn in.
#pragma once

#include <QByteArrayView>
#include <QImage>

// The bitmap file Bytes decoded exactly as Qt's own reader decodes it; a null image when the
// bytes are not a bitmap that reader can read. Uncompressed 24-bit bottom-up bitmaps, which
// every skin picture is, are read here directly (Qt's reader converts them pixel by pixel
// through its general colour-mask formula, a tenth of start-up); any other kind goes to Qt.
// One whose pixels are cut short is null: Qt would return it with the missing rows holding
// whatever the memory held.
QImage ReadDibImage(QByteArrayView Bytes);
