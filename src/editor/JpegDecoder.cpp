// Decodes JPEG photos with libjpeg's DCT scaling, reading a large photo at the least size it needs.
#include "JpegDecoder.h"

#include "ExifOrientation.h"

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE
#include <jpeglib.h>

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

    bool readHeader(const QByteArray& data) {
        if (setjmp(errors.jump))
            return false;
        jpeg_create_decompress(&info);
        m_created = true;
        info.mem->max_memory_to_use = JpegDecoder::kMaxWorkingMemory;
        jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
                     static_cast<unsigned long>(data.size()));
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

    bool readRows(uchar* bits, qsizetype bytesPerLine) {
        if (setjmp(errors.jump))
            return false;
        jpeg_start_decompress(&info);
        JSAMPROW rows[16];
        while (info.output_scanline < info.output_height) {
            const JDIMENSION count = qMin<JDIMENSION>(16, info.output_height - info.output_scanline);
            for (JDIMENSION i = 0; i < count; ++i)
                rows[i] = bits + (info.output_scanline + i) * bytesPerLine;
            if (jpeg_read_scanlines(&info, rows, count) == 0)
                return false; // a memory source never suspends, so no progress means a fault
        }
        jpeg_finish_decompress(&info);
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

int ceilDiv(int value, int divisor) { return (value + divisor - 1) / divisor; }
} // namespace

bool JpegDecoder::isJpeg(const QByteArray& data) { return data.startsWith("\xff\xd8\xff"); }

int JpegDecoder::scaleDenominator(QSize stored, QSize cover, bool swapsAxes) {
    const QSize need = swapsAxes ? cover.transposed() : cover;
    for (int denominator : {8, 4, 2}) {
        if (ceilDiv(stored.width(), denominator) >= need.width() &&
            ceilDiv(stored.height(), denominator) >= need.height())
            return denominator;
    }
    return 1;
}

JpegDecoder::Decoded JpegDecoder::decode(const QByteArray& data, QSize cover) {
    Decoded result;
    Session session;
    if (!isJpeg(data) || !session.readHeader(data))
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
    int denominator =
        scaleDenominator(result.storedSize, cover, ExifOrientation::swapsAxes(result.orientation));
    // A photo of extreme proportions may need more pixels than is sensible; it is then read smaller.
    while (denominator < 8 && qint64(ceilDiv(result.storedSize.width(), denominator)) *
                                      ceilDiv(result.storedSize.height(), denominator) >
                                  kMaxDecodedPixels)
        denominator *= 2;
    if (!session.setScale(denominator))
        return result;
    QImage stored(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    if (stored.isNull()) {
        result.outcome = Outcome::TooLarge;
        return result;
    }
    if (!session.readRows(stored.bits(), stored.bytesPerLine()))
        return result;
    result.picture = stored;
    result.outcome = Outcome::Decoded;
    return result;
}
