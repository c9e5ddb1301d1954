// Decodes the part of a JPEG photo the program keeps, with libjpeg's DCT scaling and cropping, at
// the least size it needs.
#include "JpegDecoder.h"

#include "BoxReducer.h"
#include "CoverCrop.h"
#include "ExifOrientation.h"
#include "JpegDeviceSource.h"
#include "PhotoFit.h"
#include "RowScaler.h"

#include <QRect>
#include <cmath>
#include <csetjmp>
#include <cstring>
#include <optional>

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

// Averages the rows of `rect` of a decoded picture, handed over one by one, down by `factors`
// into `out`; a short last block repeats its last row.
class Reduction final {
public:
    Reduction(QRect rect, QSize factors, QImage& out)
        : m_rect(rect), m_factors(factors), m_out(out),
          m_rows(rect.width(), factors.height(), QImage::Format_RGB32) {}

    bool isNull() const { return m_rows.isNull() || m_out.isNull(); }

    void take(int row, const uchar* line) {
        if (row < m_rect.top() || row > m_rect.bottom())
            return;
        const int fy = m_factors.height();
        const int k = (row - m_rect.top()) % fy;
        const size_t bytes = size_t(m_rect.width()) * 4;
        std::memcpy(m_rows.scanLine(k), line + m_rect.left() * 4, bytes);
        if (k != fy - 1 && row != m_rect.bottom())
            return;
        for (int r = k + 1; r < fy; ++r)
            std::memcpy(m_rows.scanLine(r), m_rows.constScanLine(k), bytes);
        auto* target = reinterpret_cast<QRgb*>(m_out.scanLine(m_y++));
        if (m_factors == QSize(1, 1))
            std::memcpy(target, m_rows.constScanLine(0), bytes);
        else
            BoxReducer::reduceRow(reinterpret_cast<const QRgb*>(m_rows.constScanLine(0)),
                                  m_rows.bytesPerLine() / 4, m_rect.width(), m_factors, target);
    }

private:
    QRect m_rect;
    QSize m_factors;
    QImage& m_out;
    QImage m_rows;
    int m_y = 0;
};

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

    // Decodes the rows and columns of `part` (in the scaled picture) into `out`: straight into its
    // rows when nothing is cut off at the sides, averaged or scaled, otherwise through `band`, a
    // few rows at a time, averaged down by `factors` and then, when `scaler` is given, scaled by it
    // into `out`, so the full-size rows never leave the processor's cache. `band` is as wide as
    // the scaled picture and holds at least factors.height() rows.
    bool readPart(QRect part, QSize factors, QImage& out, QImage& band, RowScaler* scaler) {
        if (setjmp(errors.jump))
            return false;
        return decodePart(part, factors, out, band, scaler);
    }

    // Decodes every row once and hands each to both `reductions`.
    bool readAll(Reduction& part, Reduction& whole, QImage& band) {
        if (setjmp(errors.jump))
            return false;
        jpeg_start_decompress(&info);
        for (int row = 0; row < int(info.output_height);) {
            const int count = qMin(band.height(), int(info.output_height) - row);
            if (!readInto(band.bits(), band.bytesPerLine(), JDIMENSION(count)))
                return false;
            for (int i = 0; i < count; ++i, ++row) {
                part.take(row, band.constScanLine(i));
                whole.take(row, band.constScanLine(i));
            }
        }
        return true;
    }

    // The work of readPart(); only called from it, after its jump target is set.
    bool decodePart(QRect part, QSize factors, QImage& out, QImage& band, RowScaler* scaler) {
        jpeg_start_decompress(&info);
        JDIMENSION left = JDIMENSION(part.left());
        JDIMENSION width = JDIMENSION(part.width());
        if (width < info.output_width)
            jpeg_crop_scanline(&info, &left, &width); // widened to whole blocks
        const int skip = part.left() - int(left);
        if (part.top() > 0 && jpeg_skip_scanlines(&info, JDIMENSION(part.top())) == 0)
            return false;
        const bool whole = factors == QSize(1, 1);
        if (!scaler && skip == 0 && int(width) == part.width() && whole)
            return readInto(out.bits(), out.bytesPerLine(), JDIMENSION(part.height()));
        const int fy = factors.height();
        const int bandRows = band.height() / fy * fy;
        for (int done = 0, y = 0; done < part.height();) {
            const int count = qMin(bandRows, part.height() - done);
            if (!readInto(band.bits(), band.bytesPerLine(), JDIMENSION(count)))
                return false;
            done += count;
            for (int first = 0; first < count; first += fy, ++y) {
                for (int r = count; r < first + fy; ++r) // a short last band repeats its last row
                    std::memcpy(band.scanLine(r), band.scanLine(count - 1),
                                size_t(band.bytesPerLine()));
                const auto* rows = reinterpret_cast<const QRgb*>(band.constScanLine(first)) + skip;
                if (whole && scaler) {
                    scaler->take(rows);
                    continue;
                }
                QRgb* target =
                    scaler ? scaler->spareRow() : reinterpret_cast<QRgb*>(out.scanLine(y));
                if (whole)
                    std::memcpy(target, rows, size_t(part.width()) * 4);
                else
                    BoxReducer::reduceRow(rows, band.bytesPerLine() / 4, part.width(), factors,
                                          target);
                if (scaler)
                    scaler->take(target);
            }
        }
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

} // namespace

namespace {
// The size the whole picture is kept at, as stored, for a part of `part` pixels upright kept at
// `need` pixels as stored.
QSize wholeNeedOf(const JpegDecoder::Decoded& result, QSize part, QSize need) {
    const bool turned = ExifOrientation::swapsAxes(result.orientation);
    const auto flip = [turned](QSize size) { return turned ? size.transposed() : size; };
    return flip(PhotoFit::wholeKeptSize(flip(result.storedSize), part, flip(need)));
}
} // namespace

bool JpegDecoder::isJpeg(QIODevice& device) {
    return device.peek(3) == "\xff\xd8\xff";
}

int JpegDecoder::scaleDenominator(QSize part, QSize need) {
    for (int denominator : {8, 4, 2}) {
        if (part.width() / denominator >= need.width() &&
            part.height() / denominator >= need.height())
            return denominator;
    }
    return 1;
}

JpegDecoder::Decoded JpegDecoder::decode(QIODevice& device) {
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
    // The part and its kept size are chosen upright; a centred part is centred as stored too.
    const bool turned = ExifOrientation::swapsAxes(result.orientation);
    const auto asStored = [turned](QSize size) { return turned ? size.transposed() : size; };
    const QSize part = PhotoFit::shownPart(asStored(result.storedSize));
    result.partSize = asStored(part);
    const QSize need = asStored(PhotoFit::keptSize(part));
    if (!session.setScale(scaleDenominator(result.partSize, need)))
        return result;
    const QSize scaled(int(info.output_width), int(info.output_height));
    // The part as stored, in the pixels of the scaled decode.
    const QSize scaledPart(qBound(1,
                                  int(std::lround(double(result.partSize.width()) * scaled.width() /
                                                  result.storedSize.width())),
                                  scaled.width()),
                           qBound(1,
                                  int(std::lround(double(result.partSize.height()) *
                                                  scaled.height() / result.storedSize.height())),
                                  scaled.height()));
    const QRect area = CoverCrop::middle(scaled, scaledPart);
    // The DCT scale fits the tighter direction; the other is averaged down further if it can be.
    const QSize factors = BoxReducer::factorsFor(scaledPart, need);
    QImage band(scaled.width(), qMax(factors.height(), 16), QImage::Format_RGB32);
    if (band.isNull()) {
        result.outcome = Outcome::TooLarge;
        return result;
    }
    // The part alone, or a whole kept at the part's scale, which the part is cut from later: one
    // picture decoded straight into its rows.
    const bool partIsAll = area == QRect(QPoint(0, 0), scaled);
    if (partIsAll || PhotoFit::wholeKeptAlike(result.storedSize, result.partSize, need)) {
        // Scaled while decoding to the size it is kept at, and turned upright row by row, unless
        // it is too thin to scale.
        const QSize reduced = BoxReducer::reducedSize(scaled, factors);
        const QSize kept = partIsAll ? need : wholeNeedOf(result, part, need);
        const bool scale = kept != reduced && reduced.width() > 1 && reduced.height() > 1;
        QImage decoded(scale ? asStored(kept) : reduced, QImage::Format_RGB32);
        if (decoded.isNull()) {
            result.outcome = Outcome::TooLarge;
            return result;
        }
        std::optional<RowScaler> scaler;
        if (scale)
            scaler.emplace(reduced, decoded, result.orientation);
        if (session.readPart(QRect(QPoint(0, 0), scaled), factors, decoded, band,
                             scaler ? &*scaler : nullptr)) {
            (partIsAll ? result.picture : result.whole) = decoded;
            result.outcome = Outcome::Decoded;
            if (scale) { // already upright
                result.storedSize = asStored(result.storedSize);
                result.partSize = part;
                result.orientation = 1;
            }
        }
        return result;
    }
    QImage picture(BoxReducer::reducedSize(scaledPart, factors), QImage::Format_RGB32);
    const QSize wholeNeed = wholeNeedOf(result, part, need);
    const QSize wholeFactors = BoxReducer::factorsFor(scaled, wholeNeed);
    QImage whole(BoxReducer::reducedSize(scaled, wholeFactors), QImage::Format_RGB32);
    Reduction partRows(area, factors, picture);
    Reduction wholeRows(QRect(QPoint(0, 0), scaled), wholeFactors, whole);
    if (picture.isNull() || whole.isNull() || partRows.isNull() || wholeRows.isNull()) {
        result.outcome = Outcome::TooLarge;
        return result;
    }
    if (session.readAll(partRows, wholeRows, band)) {
        result.picture = picture;
        result.whole = whole;
        result.outcome = Outcome::Decoded;
    }
    return result;
}
