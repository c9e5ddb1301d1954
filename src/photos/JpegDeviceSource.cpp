// Feeds libjpeg from a QIODevice in large pieces, so its fast Huffman path is used almost always.
#include "JpegDeviceSource.h"

#include <cstddef>
#include <jerror.h>

namespace {
// libjpeg-turbo falls back to its slow decoder near the end of each piece; at 256 KB that is rare.
constexpr std::size_t kPieceBytes = 256 * 1024;
} // namespace

JpegDeviceSource::JpegDeviceSource(QIODevice& device) : m_device(device), m_buffer(kPieceBytes) {
    m_manager.owner = this;
    m_manager.pub.init_source = start;
    m_manager.pub.fill_input_buffer = fill;
    m_manager.pub.skip_input_data = skip;
    m_manager.pub.resync_to_restart = jpeg_resync_to_restart;
    m_manager.pub.term_source = finish;
}

void JpegDeviceSource::attach(jpeg_decompress_struct& info) {
    info.src = &m_manager.pub;
}

JpegDeviceSource& JpegDeviceSource::of(j_decompress_ptr info) {
    static_assert(offsetof(Manager, pub) == 0);
    return *reinterpret_cast<Manager*>(info->src)->owner;
}

void JpegDeviceSource::start(j_decompress_ptr info) {
    of(info).m_startOfData = true;
}

boolean JpegDeviceSource::fill(j_decompress_ptr info) {
    JpegDeviceSource& source = of(info);
    qint64 count = source.m_device.read(reinterpret_cast<char*>(source.m_buffer.data()),
                                        qint64(source.m_buffer.size()));
    if (count <= 0) {
        if (source.m_startOfData)
            ERREXIT(info, JERR_INPUT_EMPTY);
        WARNMS(info, JWRN_JPEG_EOF);
        source.m_buffer[0] = JOCTET(0xff);
        source.m_buffer[1] = JOCTET(JPEG_EOI);
        count = 2;
    }
    source.m_manager.pub.next_input_byte = source.m_buffer.data();
    source.m_manager.pub.bytes_in_buffer = std::size_t(count);
    source.m_startOfData = false;
    return TRUE;
}

void JpegDeviceSource::skip(j_decompress_ptr info, long count) {
    jpeg_source_mgr& manager = of(info).m_manager.pub;
    while (count > long(manager.bytes_in_buffer)) {
        count -= long(manager.bytes_in_buffer);
        fill(info);
    }
    if (count > 0) {
        manager.next_input_byte += count;
        manager.bytes_in_buffer -= std::size_t(count);
    }
}

void JpegDeviceSource::finish(j_decompress_ptr) {}
