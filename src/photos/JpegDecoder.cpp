// Decodes JPEG photos with libjpeg's DCT scaling, reading a large photo at the least size it needs.
#include "JpegDecoder.h"

#include "BoxReducer.h"
#include "ExifOrientation.h"
#include "JpegDeviceSource.h"

#include <csetjmp>
#include <cstring>

#if !defined(JCS_ALPHA_EXTENSIONS)
#error "libjpeg-turbo with the extended colour spaces is needed"
#endif

namespace {
// libjpeg reports fatal errors through error_exit; it jumps back to the guarded call instead of
// ending the program, and warnings (a truncated file) stay quiet.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] void jumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}
void stayQuiet(j_common_ptr) {}

// Owns one decompression; the guarded functions below hold only plain locals, so a jump out of
// libjpeg skips no destructor.
class Session final {
public:
    Session() {
        info.err = jpeg_std_error(&errors.pub);
        errors.pub.error_exit = jumpBack;
        errors.pub.output_message = stayQuiet;
    }
    ~Session() {
        if (m_created)
            jpeg_destroy_decompress(&info);
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    bool readHeader(JpegDeviceSource& source) {
        if (setjmp(errors.jump))
            return false;
        jpeg_create_decompress(&info);
        m_created = true;
        info.mem->max_memory_to_use = JpegDecoder::kMaxWorkingMemory;
        source.attach(info);
        jpeg_save_markers(&info, JPEG_APP0 + 1, 0xffff);
        return jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK;
    }

    bool setScale(int denominator) {
        if (setjmp(errors.jump))
            return false;
        info.scale_num = 1;
        info.scale_denom = static_cast<unsigned int>(denominator);
        info.out_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB;
        jpeg_calc_output_dimensions(&info);
        return true;
    }

    // Decodes straight into the picture's rows.
    bool readRows(uchar* bits, qsizetype bytesPerLine) {
        if (setjmp(errors.jump))
            return false;
        jpeg_start_decompress(&info);
        while (info.output_scanline < info.output_height) {
            if (!readInto(bits + info.output_scanline * bytesPerLine, bytesPerLine,
                          qMin<JDIMENSION>(16, info.output_height - info.output_scanline)))
                return false;
        }
        jpeg_finish_decompress(&info);
        return true;
    }

    // Decodes a band of `factors.height()` rows at a time into `band` and averages it down into
    // one row of the picture, so the full-size rows never leave the processor's cache.
    bool readReducedRows(uchar* bits, qsizetype bytesPerLine, uchar* band, qsizetype bandStride,
                         QSize factors) {
        if (setjmp(errors.jump))
            return false;
        jpeg_start_decompress(&info);
        const int rows = factors.height();
        for (int y = 0; info.output_scanline < info.output_height; ++y) {
            const int count =
                int(qMin<JDIMENSION>(JDIMENSION(rows), info.output_height - info.output_scanline));
            if (!readInto(band, bandStride, JDIMENSION(count)))
                return false;
            for (int r = count; r < rows; ++r) // a short last band repeats its last row
                std::memcpy(band + r * bandStride, band + (count - 1) * bandStride,
                            size_t(bandStride));
            BoxReducer::reduceRow(reinterpret_cast<const QRgb*>(band), bandStride / 4,
                                  int(info.output_width), factors,
                                  reinterpret_cast<QRgb*>(bits + y * bytesPerLine));
        }
        jpeg_finish_decompress(&info);
        return true;
    }

    // Reads `count` rows into consecutive rows at `first`; only called from the guarded functions.
    bool readInto(uchar* first, qsizetype bytesPerLine, JDIMENSION count) {
        JSAMPROW rows[16];
        JDIMENSION done = 0;
        while (done < count) {
            const JDIMENSION step = qMin<JDIMENSION>(16, count - done);
            for (JDIMENSION i = 0; i < step; ++i)
                rows[i] = first + (done + i) * bytesPerLine;
            const JDIMENSION read = jpeg_read_scanlines(&info, rows, step);
            if (read == 0)
                return false; // the device source never suspends, so no progress means a fault
            done += read;
        }
        return true;
    }

    int orientation() const {
        for (jpeg_saved_marker_ptr m = info.marker_list; m != nullptr; m = m->next) {
            if (m->marker != JPEG_APP0 + 1)
                continue;
            const int found = ExifOrientation::fromApp1(QByteArray::fromRawData(
                reinterpret_cast<const char*>(m->data), qsizetype(m->data_length)));
            if (found != 1)
                return found;
        }
        return 1;
    }

    jpeg_decompress_struct info{};
    ErrorManager errors{};

private:
    bool m_created = false;
};

int ceilDiv(int value, int divisor) {
    return (value + divisor - 1) / divisor;
}
} // namespace

bool JpegDecoder::isJpeg(QIODevice& device) {
    return device.peek(3) == "\xff\xd8\xff";
}

int JpegDecoder::scaleDenominator(QSize stored, QSize cover, bool swapsAxes) {
    const QSize need = swapsAxes ? cover.transposed() : cover;
    for (int denominator : {8, 4, 2}) {
        if (ceilDiv(stored.width(), denominator) >= need.width() &&
            ceilDiv(stored.height(), denominator) >= need.height())
            return denominator;
    }
    return 1;
}

JpegDecoder::Decoded JpegDecoder::decode(QIODevice& device, QSize cover) {
    Decoded result;
    JpegDeviceSource source(device);
    Session session;
    if (!isJpeg(device) || !session.readHeader(source))
        return result;
    const jpeg_decompress_struct& info = session.info;
    result.storedSize = QSize(int(info.image_width), int(info.image_height));
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK) {
        result.outcome = Outcome::Unsupported;
        return result;
    }
    if (qint64(info.image_width) * info.image_height > kMaxPixels) {
        result.outcome = Outcome::TooLarge;
        return result;
    }
    result.orientation = session.orientation();
    const bool turned = ExifOrientation::swapsAxes(result.orientation);
    if (!session.setScale(scaleDenominator(result.storedSize, cover, turned)))
        return result;
    // The DCT scale fits the tighter direction; a photo of other proportions than the card's
    // is averaged down further in the other direction while it is decoded.
    const QSize scaled(int(info.output_width), int(info.output_height));
    const QSize factors = BoxReducer::factorsFor(scaled, turned ? cover.transposed() : cover);
    const bool reduce = factors != QSize(1, 1);
    QImage stored(BoxReducer::reducedSize(scaled, factors), QImage::Format_RGB32);
    QImage band(reduce ? QSize(scaled.width(), factors.height()) : QSize(), QImage::Format_RGB32);
    if (stored.isNull() || (reduce && band.isNull())) {
        result.outcome = Outcome::TooLarge;
        return result;
    }
    const bool read = reduce ? session.readReducedRows(stored.bits(), stored.bytesPerLine(),
                                                       band.bits(), band.bytesPerLine(), factors)
                             : session.readRows(stored.bits(), stored.bytesPerLine());
    if (read) {
        result.picture = stored;
        result.outcome = Outcome::Decoded;
    }
    return result;
}
