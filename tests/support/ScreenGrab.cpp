#include "ScreenGrab.h"

#include <xcb/xcb.h>

#include <cstdlib>

QImage grabScreen(const QRect &area)
{
    int number = 0;
    xcb_connection_t *const connection = xcb_connect(nullptr, &number);
    QImage image;
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return image;
    }
    const xcb_setup_t *const setup = xcb_get_setup(connection);
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(setup);
    for (; number > 0 && screens.rem > 0; --number)
        xcb_screen_next(&screens);
    const xcb_screen_t &root = *screens.data;
    const QRect read = area.isEmpty() ? QRect(0, 0, root.width_in_pixels, root.height_in_pixels) : area;
    xcb_get_image_reply_t *const reply = xcb_get_image_reply(connection,
        xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, root.root, static_cast<int16_t>(read.x()),
                      static_cast<int16_t>(read.y()), static_cast<uint16_t>(read.width()),
                      static_cast<uint16_t>(read.height()), ~0u),
        nullptr);
    // The test displays are 24 bits deep: 32 bits a pixel, 8 bits a channel.
    if (reply && root.root_depth == 24 && xcb_get_image_data_length(reply) == read.width() * read.height() * 4) {
        const bool leastFirst = setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST;
        const uint8_t *byte = xcb_get_image_data(reply);
        image = QImage(read.size(), QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x, byte += 4) {
                const quint32 word = leastFirst
                    ? quint32{byte[0]} | quint32{byte[1]} << 8 | quint32{byte[2]} << 16 | quint32{byte[3]} << 24
                    : quint32{byte[3]} | quint32{byte[2]} << 8 | quint32{byte[1]} << 16 | quint32{byte[0]} << 24;
                line[x] = 0xFF000000u | (word & 0xFFFFFFu);
            }
        }
    }
    std::free(reply);
    xcb_disconnect(connection);
    return image;
}
