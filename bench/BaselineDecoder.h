// The least decoding a sharp print allows: libjpeg-turbo alone at the smallest covering DCT scale.
#pragma once

#include <QSize>
#include <QString>

class BaselineDecoder final {
public:
    struct Decoded {
        QSize size;          // the decoded size
        int denominator = 0; // the DCT scale used, 1/denominator; 0 when decoding failed
    };

    // Reads the file into memory and decodes it to 32-bit pixels at the smallest of the scales
    // 1/8, 1/4, 1/2 and 1 whose result covers `cover` (turned a quarter when `turned`).
    static Decoded decode(const QString& path, QSize cover, bool turned);
};
