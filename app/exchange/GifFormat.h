#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

// Pictures of equal size as one looping animated GIF (giflib): one palette of up to
// 256 colours for all frames (the exact colours when they are few, as a figure's are;
// otherwise a uniform colour cube), each frame shown for delay hundredths of a second.
class GifFormat {
public:
    // The file's bytes; empty with error set when the pictures cannot be encoded.
    static QByteArray Write(const QList<QImage>& frames, int delay, QString& error);
};
