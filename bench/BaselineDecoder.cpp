// The least decoding a sharp print allows: libjpeg-turbo alone at the smallest covering DCT scale.
#include "BaselineDecoder.h"

#include <QFile>
#include <cstdio> // jpeglib.h needs FILE
#include <jpeglib.h>
#include <memory>

BaselineDecoder::Decoded BaselineDecoder::decode(const QString& path, QSize cover, bool turned) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    const QSize need = turned ? cover.transposed() : cover;

    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors); // the generated files are sound; a fault ends the run
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    int denominator = 1;
    for (int d : {8, 4, 2}) {
        if (int(info.image_width + JDIMENSION(d) - 1) / d >= need.width() &&
            int(info.image_height + JDIMENSION(d) - 1) / d >= need.height()) {
            denominator = d;
            break;
        }
    }
    info.scale_num = 1;
    info.scale_denom = unsigned(denominator);
    info.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&info);
    const size_t stride = size_t(info.output_width) * 4;
    // Left uninitialised, as a picture the decoder fills is.
    const auto pixels = std::make_unique_for_overwrite<JSAMPLE[]>(stride * info.output_height);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[16];
        const JDIMENSION count =
            std::min<JDIMENSION>(16, info.output_height - info.output_scanline);
        for (JDIMENSION i = 0; i < count; ++i)
            rows[i] = pixels.get() + (info.output_scanline + i) * stride;
        jpeg_read_scanlines(&info, rows, count);
    }
    const Decoded decoded{QSize(int(info.output_width), int(info.output_height)), denominator};
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return decoded;
}
