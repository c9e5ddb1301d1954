// Feeds libjpeg from a QIODevice in large pieces, so its fast Huffman path is used almost always.
#pragma once

#include <QIODevice>
#include <cstdio> // jpeglib.h needs FILE
#include <jpeglib.h>
#include <vector>

class JpegDeviceSource final {
public:
    explicit JpegDeviceSource(QIODevice& device);
    JpegDeviceSource(const JpegDeviceSource&) = delete;
    JpegDeviceSource& operator=(const JpegDeviceSource&) = delete;

    // Makes `info` read from the device; this object must outlive the decompression. A read error
    // or the end of the data ends the picture as libjpeg's own file source does (a warning and an
    // end marker), so a truncated photo shows what it has.
    void attach(jpeg_decompress_struct& info);

private:
    static void start(j_decompress_ptr info);
    static boolean fill(j_decompress_ptr info);
    static void skip(j_decompress_ptr info, long count);
    static void finish(j_decompress_ptr info);
    static JpegDeviceSource& of(j_decompress_ptr info);

    // libjpeg's pointer to `pub` leads back to `owner`.
    struct Manager {
        jpeg_source_mgr pub;
        JpegDeviceSource* owner;
    };
    Manager m_manager{};
    QIODevice& m_device;
    std::vector<JOCTET> m_buffer;
    bool m_startOfData = true;
};
