#include "Picture.h"

#include "shell/layer/RuntimeError.h"
#include "shell/layer/qt/Toolkit.h"

Picture Picture::fromResource(const std::string &name)
{
    const QImage image(toolkit::text(name));
    if (image.isNull())
        throw RuntimeError(ErrorKind::FileNotFound, "no picture " + name + " in the program");
    return toolkit::picture(image);
}

int Picture::width() const
{
    return m_pixels ? m_pixels->image.width() : 0;
}

int Picture::height() const
{
    return m_pixels ? m_pixels->image.height() : 0;
}

Picture toolkit::picture(const QImage &image)
{
    return Picture(std::make_shared<const Pixels>(Pixels{image.convertToFormat(QImage::Format_ARGB32_Premultiplied)}));
}

const QImage &toolkit::image(const Picture &picture)
{
    static const QImage none;
    return picture.pixels() ? picture.pixels()->image : none;
}
