#pragma once
// zlib as the outside party of the Flate tests: it makes the streams our reader must take and judges
// the streams our writer makes. Works on std::string and on byte vectors alike.

#include <gtest/gtest.h>
#include <zlib.h>

namespace folivo::test {

template <class Bytes>
Bytes ZlibDeflate(const Bytes& input, int level = 9, int strategy = Z_DEFAULT_STRATEGY) {
    z_stream z{};
    deflateInit2(&z, level, Z_DEFLATED, 15, 8, strategy);
    Bytes out(deflateBound(&z, static_cast<uLong>(input.size())), 0);
    z.next_in = reinterpret_cast<Bytef*>(const_cast<typename Bytes::value_type*>(input.data()));
    z.avail_in = static_cast<uInt>(input.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

// Fails the test when zlib reports an error or bytes are left after the end of the stream.
template <class Bytes>
Bytes ZlibInflate(const Bytes& compressed, size_t expectedSize) {
    Bytes out(expectedSize + 16, 0);
    z_stream z{};
    EXPECT_EQ(inflateInit(&z), Z_OK);
    z.next_in = reinterpret_cast<Bytef*>(const_cast<typename Bytes::value_type*>(compressed.data()));
    z.avail_in = static_cast<uInt>(compressed.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(inflate(&z, Z_FINISH), Z_STREAM_END) << (z.msg ? z.msg : "");
    EXPECT_EQ(z.avail_in, 0u) << "bytes after the end of the zlib stream";
    out.resize(z.total_out);
    inflateEnd(&z);
    return out;
}

}  // namespace folivo::test
